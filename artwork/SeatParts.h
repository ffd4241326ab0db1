// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QRgb>
#include <functional>

// Seat valves in cross-section: a body whose hollows include conical seats, the air
// in those hollows, and the parts that close a seat (a ball, a disc on a rod, a
// shuttle with a disc at each end). They add to the pieces of SectionParts.h.

// A conical seat: a hollow around an axis that widens from `narrowHalf` at
// `narrowAt` to `wideHalf` at `wideAt`. Along a horizontal axis `narrowAt` and
// `wideAt` are columns and `axis` a row; along a vertical one the other way round.
// A half-width h spans the 2h pixels from axis - h to axis + h - 1, like a port
// passage of width 2h centred on the axis, so the seat joins its two bores exactly.
struct ConicalSeat {
    int narrowAt;
    int wideAt;
    int axis;
    int narrowHalf;
    int wideHalf;
    Qt::Orientation orientation = Qt::Horizontal;
};

// The colour of the air at a pixel of the hollow.
using AirColour = std::function<QRgb(QPoint)>;

// The cut body (drawSectionBody) with its rectangular bores and passages
// (drawCavities) and its conical seats, all merged into one hollow with a one-pixel
// black wall; then every hollow pixel takes the colour `air` gives it. No painter
// may be active on `picture`.
void drawBodyWithSeats(QImage &picture, const QRect &body, const QList<QRect> &bores,
                       const QList<ConicalSeat> &seats, const AirColour &air);

// Where a ball of `radius` pixels comes to rest in `seat`: the position of its
// centre on the axis (a column for a horizontal seat, a row for a vertical one).
// The ball then just covers the seat's wall.
double restingBallCentre(const ConicalSeat &seat, double radius);

// Where that resting ball touches the cone: the seal line, on the axis.
double ballSealLine(const ConicalSeat &seat, double radius);

// A steel ball: a dark grey disc with a black rim and a light spot up and to the left.
void drawBall(QPainter &p, QPointF centre, double radius);

// A round moving part seen from the side (a rod, a disc, a poppet's head): dark grey
// with a black outline and a lighter streak near its top when there is room.
void drawMovingPart(QPainter &p, const QRect &part);

// A shuttle on a horizontal axis: a rod of `rodHeight` pixels joining two discs of
// `discWidth` x `discHeight`, from the outer face of the left disc at `left` to the
// outer face of the right disc at `right`. Each disc carries a black seal ring on
// its inner face, the face that closes against a seat.
struct DiscShuttle {
    int left;
    int right;
    int axis;
    int discWidth;
    int discHeight;
    int rodHeight;
};
void drawDiscShuttle(QPainter &p, const DiscShuttle &shuttle);
