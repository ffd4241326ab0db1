// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QRgb>

// Pieces shared by the filter, regulator and lubricator drawings: moving air shown
// as pale flecks and fleckd streaks, textured surfaces, and the symbol outlines.
//
// The fleck helpers work on the finished picture (no painter may be active on it)
// and only recolour pixels whose colour is a key of `fleckFor`, so a streak never
// crosses a wall or a part. They draw from a fixed pseudo-random sequence: the same
// seed gives the same pixels on every run and every machine.

// A small linear congruential generator with a fixed seed.
class FleckSequence {
public:
    explicit FleckSequence(quint32 seed);
    quint32 next();                 // 24 random bits
    bool chance(double probability);
    int below(int bound);           // 0 .. bound - 1
private:
    quint32 m_state;
};

using FleckColours = QHash<QRgb, QRgb>;  // colour of the air -> colour of its flecks

// Single flecks scattered over `area` with the given density (flecks per pixel).
void scatterFlecks(QImage &picture, const QRect &area, const FleckColours &fleckFor, double density, quint32 seed);

// Fleckd streaks of moving air along a path of straight segments, spread over a
// band `width` pixels wide centred on the path.
void drawStreaks(QImage &picture, const QList<QPoint> &path, int width, const FleckColours &fleckFor, quint32 seed);

// A fine dotted texture: every other pixel of every other row of `base` inside
// `area` becomes `dot`.
void dotTexture(QImage &picture, const QRect &area, QRgb base, QRgb dot);

// ---- Sections ----------------------------------------------------------------

// A hollow cut into a cast body, filled with the colour of what it holds.
struct BoreHollow {
    QRect rect;
    QRgb colour;
};

// Every hollow leaves a one-pixel black wall in `body`, except on a side that reaches
// the body's edge, where it breaks through; then all are filled, so hollows that
// touch or overlap merge into one.
void cutHollows(QPainter &p, const QRect &body, const QList<BoreHollow> &hollows);

// ---- Symbols ------------------------------------------------------------------

// Lines along horizontal and vertical segments through `points`; a line `width`
// pixels wide "at" x covers the columns from x - width / 2 on (rows likewise), so a
// two-pixel line at x covers x - 1 and x. Dashed: black, two pixels wide, dashes of
// `dash` pixels with gaps of `gap`.
void drawStroke(QPainter &p, const QList<QPoint> &points, QRgb colour = 0xff000000, int width = 2);
void drawDashedStroke(QPainter &p, const QList<QPoint> &points, int dash = 4, int gap = 3);

// A filled arrowhead with its tip at `tip`, pointing away from `from`.
void drawArrowhead(QPainter &p, QPointF from, QPointF tip, double length, double halfWidth);

// The outline of a square standing on its corner, `half` pixels from centre to
// each corner, with lines two pixels wide.
void drawDiamond(QPainter &p, QPoint centre, int half);

// An upright zig-zag spring from `area`'s bottom to its top.
void drawUprightZigZag(QPainter &p, const QRect &area, int peaks);
