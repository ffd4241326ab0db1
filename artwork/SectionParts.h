// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPainter>
#include <QPair>
#include <QRect>
#include <QRgb>

// Pieces of a valve drawn in cross-section: the cut body, the cavities milled into it
// (bores, chambers, port passages), the moving parts (spool with its lands, push rod
// with a domed head), coil springs, seals and the flow arrows outside the ports.
// Rectangles are pixel rectangles: a part covers exactly the pixels of its QRect.

enum class Side { Left, Right, Top, Bottom };
enum class Flow { In, Out };

// A hollow inside the body, filled with the colour of the air it holds (white: none).
struct Cavity {
    QRect rect;
    QRgb colour;
};

// The cut body: light grey with a two-pixel black outline.
void drawSectionBody(QPainter &p, const QRect &body);

// The cavities of `body`: bores, chambers, passages and vents. Every cavity leaves a
// one-pixel black wall where it meets the body, then all are filled, so cavities that
// overlap or touch merge into one hollow without a line between them. A side lying on
// the body's edge breaks through the outline: the body's outline stops at the cavity's
// two walls, which run to the edge.
void drawCavities(QPainter &p, const QRect &body, const QList<Cavity> &cavities);

// A port: a straight drilled passage of `width` pixels through the wall on `side` of
// the body, centred on `centre` (an x for Top/Bottom, a y for Left/Right). It reaches
// in to and includes the row (or column) `inner`, the edge of the cavity it opens
// into, so the two merge.
Cavity portPassage(const QRect &body, Side side, int centre, int width, int inner, QRgb colour);

// A spool in a horizontal bore whose hollow spans the rows `boreTop`..`boreBottom`:
// lands ([left, right) column ranges) as wide as the bore, each with a seal at top and
// bottom, joined by a stem of `stemHeight` pixels.
struct Spool {
    int boreTop;
    int boreBottom;
    QList<QPair<int, int>> lands;
    int stemHeight;
};
void drawSpool(QPainter &p, const Spool &spool);

// A small black seal square (an O-ring in its groove) of `size` pixels centred on `centre`.
void drawSealSquare(QPainter &p, QPoint centre, int size = 4);

// A coil spring filling `span` (its length along `axis`, its coil diameter across it).
// The number of coils stays the same, so a shorter span draws a compressed spring.
void drawCoilSpring(QPainter &p, const QRect &span, int coils, Qt::Orientation axis = Qt::Horizontal);

// A horizontal push rod of `rodHeight` pixels centred on row `centreY`, running from
// column `fromX` to the push button at `headX`, on the side given by `outward` (Left or
// Right). The button is `headHeight` high: a flat plate facing the rod and a dome
// facing outwards, `headDepth` pixels deep in all.
void drawPushRod(QPainter &p, int fromX, int headX, int centreY, Side outward, int rodHeight = 14,
                 int headHeight = 40, int headDepth = 13);

// A thin black arrow outside a port on `side` of the body whose mouth is centred on
// `mouth` (a point on the body's edge), pointing into the body (Flow::In) or away from
// it (Flow::Out). `across` moves the arrow sideways from the port's axis.
void drawPortArrow(QPainter &p, QPoint mouth, Side side, Flow flow, int across = 0, int length = 28);
