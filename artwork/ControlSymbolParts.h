// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRgb>

#include "SymbolParts.h"

// Circuit-symbol pieces of the pressure and flow control valves: non-return seats
// and balls, throttles, springs and exhausts lying in any direction, the pressure
// gauge, the spray of air leaving an exhaust, and the quick exhaust, pressure-relief
// and one-way flow control valves built from them.
//
// Coordinates follow SymbolParts.h: a 2-pixel line drawn "at" a coordinate has its
// centre on that pixel boundary, and round parts are centred on the same boundaries.

// A direction to draw a part in: `along` points downstream, `side` across it (both
// unit steps). A part described in (along, side) steps from `origin` can so be drawn
// lying in a symbol and standing in a circuit.
struct Orientation {
    QPoint origin;
    QPoint along{1, 0};
    QPoint side{0, -1};

    QPoint at(int a, int s) const { return origin + along * a + side * s; }
    QPointF atF(double a, double s) const { return QPointF(origin) + QPointF(along) * a + QPointF(side) * s; }
};

// A line of horizontal and vertical segments drawn in dashes.
void drawDashedWire(QPainter &p, const QList<QPoint> &points, QRgb colour, int width = 2, int dash = 4, int gap = 3);

// A filled dot where lines join.
void drawJunction(QPainter &p, QPoint at, QRgb colour, double radius = 2.5);

// A zig-zag spring from `o.at(from, 0)` to `o.at(to, 0)`, `halfWidth` to each side.
void drawSpringAlong(QPainter &p, const Orientation &o, int from, int to, int halfWidth, int peaks,
                     QRgb colour = 0xff000000);

// An exhaust to atmosphere whose base lies across the line at `o.at(at, 0)`: an open
// triangle pointing downstream, the same shape as drawExhaust() of SymbolParts.h.
void drawExhaustTriangle(QPainter &p, const Orientation &o, int at, int halfWidth = 6);

// The seat of a non-return element: a V whose point lies on the line at
// `o.at(apex, 0)` and whose arms open downstream, `arm` steps long.
void drawSeat(QPainter &p, const Orientation &o, int apex, int arm, int width = 2, QRgb colour = 0xff000000);
// The ball that closes such a seat, centred where it touches both arms.
QPointF seatedBallCentre(const Orientation &o, int apex, int ballRadius, int width = 2);
void drawBall(QPainter &p, QPointF centre, double radius, int ring = 2, QRgb colour = 0xff000000);

// An adjustable throttle on the line around `o.at(centre, 0)`: two arcs, one on each
// side, bowing towards the line, crossed by a diagonal arrow.
void drawAdjustableThrottle(QPainter &p, const Orientation &o, int centre, int halfLength, int gap, int sag,
                            int width = 2);

// A pressure gauge: a ring with its needle turned `needleDegrees` from straight up
// (positive to the right).
void drawPressureGauge(QPainter &p, QPoint centre, int radius, double needleDegrees);

// Air leaving an exhaust: dots in a widening fan from `o.at(start, 0)` downstream.
// The same dots are always drawn in the same places; `reach` of `fullReach` of them
// are shown, so the spray grows as `reach` grows.
void drawSpray(QPainter &p, const Orientation &o, int start, int reach, int fullReach, int halfSpread, QRgb colour);

// ---- Quick exhaust valve ------------------------------------------------------------

// A rectangle with the supply P entering at the middle of its left end, the outlet A
// leaving at the top and the exhaust R at the right end, an exhaust triangle standing
// right on it. Inside, on the line from P to R, a seat on each side of a middle dot
// joined to A; the ball closes the R seat while P supplies and the P seat while A
// exhausts, and crosses the middle on its way from one to the other.
enum class QuickExhaustBall { ClosesExhaust, Crossing, ClosesSupply };

struct QuickExhaustValve {
    QRect body;             // corners on the lines of its 2-pixel outline; even height
    QuickExhaustBall ball = QuickExhaustBall::ClosesExhaust;
    QRgb supply = 0xff000000;   // the line from P to its seat (to the ball while it crosses)
    QRgb outlet = 0xff000000;   // the middle and the line up to A
    QRgb exhaust = 0xff000000;  // the line from the R seat (from the ball while it crosses) to R
    int seatArm = 6;
    int ballRadius = 4;
    int exhaustHalfWidth = 6;
};

QPoint quickExhaustSupplyPort(const QuickExhaustValve &valve);
QPoint quickExhaustOutletPort(const QuickExhaustValve &valve);
QPoint quickExhaustExhaustPort(const QuickExhaustValve &valve);
// Where the exhaust triangle ends, pointing away from the body: the escaping air starts here.
QPoint quickExhaustTriangleTip(const QuickExhaustValve &valve);
void drawQuickExhaustValve(QPainter &p, const QuickExhaustValve &valve);

// ---- Pressure-relief valve ----------------------------------------------------------

// A square entered at the middle of one side and left at the middle of the opposite
// side, drawn with `o` running from the inlet to the exhaust and `o.side` towards the
// pilot. The pilot line leaves the inlet line and pushes on its side of the square,
// against the adjustable spring on the other side. Closed, the arrow inside stands
// off towards the pilot; open, it joins inlet and exhaust.
struct ReliefValve {
    Orientation o;          // origin: where the inlet line meets the square
    int size = 26;
    bool open = false;
    QRgb pilot = 0xff000000;    // the pilot line, the colour of the inlet
    QRgb flow = 0xff000000;     // the arrow
    QRgb exhaust = 0xff000000;  // the line from the square to the exhaust
    int pilotTap = 10;      // how far before the square the pilot leaves the inlet line
    int pilotOut = 8;       // how far beside the square the pilot line runs
    int exhaustStub = 5;
    int exhaustHalfWidth = 6;
    int springLength = 20;
    int springPeaks = 3;
};

// The tip of the exhaust triangle, where the escaping air starts.
int reliefExhaustTip(const ReliefValve &valve);
void drawReliefValve(QPainter &p, const ReliefValve &valve);

// ---- One-way flow control valve -----------------------------------------------------

// A spring-loaded non-return valve on the line between two junctions, free in the
// direction of `o`, and a loop on `o.side` bridging it through an adjustable throttle.
struct FlowControlValve {
    Orientation o;          // origin: the upstream junction
    int length = 40;        // junction to junction
    int loopOffset = 24;    // how far beside the line the loop runs
    QRgb checkBranch = 0xff000000;
    QRgb loop = 0xff000000;
    QRgb checkElement = 0xff000000;  // seat, ball and spring: purple while air passes them
    int seatArm = 7;
    int ballRadius = 5;
    int springLength = 12;
    int springHalfWidth = 4;
    int springPeaks = 2;
    int throttleHalfLength = 8;
    int throttleGap = 3;
    int throttleSag = 3;
};

void drawFlowControlValve(QPainter &p, const FlowControlValve &valve);

// ---- Shuttle valve with its ball on the way across ------------------------------------

// The shuttle valve of SymbolParts.h (the same outline, lines and seats) at the moment
// its ball crosses from one seat to the other: the ball stands in the middle, over the
// junction of the outlet, and the line inside the valve carries `leftOfBall` up to it
// and `rightOfBall` beyond it.
void drawShuttleValveBallInMiddle(QPainter &p, const LogicValveBody &body, const LogicValveAir &air, QRgb leftOfBall,
                                  QRgb rightOfBall);
