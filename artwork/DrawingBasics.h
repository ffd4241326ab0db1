// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QPoint>
#include <QPolygonF>
#include <QRgb>
#include <QString>

// Small pieces shared by every drawing: flow arrows, port letters, dashed pilot
// lines, filled and outlined shapes, all drawn without antialiasing.

enum class Direction { Up, Down, Left, Right };

// A flow arrow: a shaft of `length` pixels starting at `tail`, ending in a filled
// head pointing in `direction`.
void drawArrow(QPainter &p, QPoint tail, Direction direction, int length, QRgb colour, int headSize = 4);

// A bold sans-serif letter (or short text) centred on `centre`, `pixelSize` high.
void drawLetter(QPainter &p, QPoint centre, const QString &text, int pixelSize = 14, QRgb colour = 0xff000000);

// A rectangle filled with `fill` and outlined in `outline` (the outline lies on the
// rectangle's edge pixels).
void fillOutlined(QPainter &p, const QRect &rect, QRgb fill, QRgb outline = 0xff000000);

// A polygon filled with `fill` and outlined in `outline`.
void fillPolygon(QPainter &p, const QPolygon &polygon, QRgb fill, QRgb outline = 0xff000000);

// A shape or a disc filled with `colour`, without outline.
void fillShape(QPainter &p, const QPolygonF &shape, QRgb colour);
void fillDisc(QPainter &p, QPointF centre, double radius, QRgb colour);

// Connected straight lines of `width` pixels with flat ends and mitred corners.
void strokePolyline(QPainter &p, const QPolygonF &line, QRgb colour, int width);

// A straight line of `width` pixels.
void drawLine(QPainter &p, QPoint from, QPoint to, QRgb colour, int width = 1);

// A dashed straight line (dash and gap of `dash` pixels).
void drawDashedLine(QPainter &p, QPoint from, QPoint to, QRgb colour, int dash = 3);
