// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRect>
#include <QRgb>

// Round and slanted parts of the compressors in section: cranks, rods, rotors and
// vanes. A shape is built from pieces in pixel coordinates (a pixel's centre lies at
// +0.5) and covers exactly the pixels whose centres it contains; the outlines are
// worked out pixel by pixel from that coverage, so any shape gets a clean outline
// of exact width and pieces of one shape merge without a line between them.

using Shape = QList<QPainterPath>;

// Covers exactly the pixels of `pixels`.
QPainterPath pixelRect(const QRect &pixels);
QPainterPath disk(QPointF centre, double radius);
// A bar from `from` to `to`, `halfFrom` and `halfTo` pixels either side of its axis.
QPainterPath taperedBar(QPointF from, QPointF to, double halfFrom, double halfTo);
QPainterPath polygonShape(const QList<QPointF> &corners);

// A solid part: filled with `fill` and outlined in black `outline` pixels wide
// inside its edge. A part running off the picture gets no outline at the edge.
void drawSolid(QPainter &p, const Shape &shape, QRgb fill, int outline = 1);

// A hollow in a body, filled with the colour of what it holds.
struct ShapedHollow {
    Shape shape;
    QRgb colour;
};

// Hollows are outlined one pixel outside their common edge, then filled in order,
// so hollows that touch or overlap merge into one space and a later hollow's colour
// lies over an earlier one's.
void drawHollows(QPainter &p, const QList<ShapedHollow> &hollows);

// A coil spring standing upright in `span`: the front of each turn black, the back
// mid grey. It keeps its turns when squeezed into a shorter span.
void drawUprightSpring(QPainter &p, const QRect &span, int coils);

// A black arc of `radius` around `centre` from `fromDegrees` to `toDegrees`
// (anticlockwise, 0 pointing right) with a filled head at the `toDegrees` end.
void drawCurvedArrow(QPainter &p, QPointF centre, double radius, double fromDegrees, double toDegrees);
