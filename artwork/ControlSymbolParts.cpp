// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlSymbolParts.h"

#include "DrawingBasics.h"
#include "Palette.h"
#include "SymbolParts.h"

#include <QPolygonF>
#include <cmath>

static void strokeLine(QPainter &p, QPointF from, QPointF to, QRgb colour, int width)
{
    p.save();
    p.setPen(QPen(QColor::fromRgb(colour), width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawLine(from, to);
    p.restore();
}

void drawDashedWire(QPainter &p, const QList<QPoint> &points, QRgb colour, int width, int dash, int gap)
{
    // The pattern runs on round the corners, so every segment keeps its rhythm.
    const int period = dash + gap;
    int travelled = 0;
    for (qsizetype i = 1; i < points.size(); ++i) {
        const QPoint a = points[i - 1];
        const QPoint b = points[i];
        const int length = qMax(qAbs(b.x() - a.x()), qAbs(b.y() - a.y()));
        if (length == 0)
            continue;
        const QPoint step = (b - a) / length;
        for (int at = 0; at < length; ++at) {
            if ((travelled + at) % period >= dash)
                continue;
            const QPoint from = a + step * at;
            drawWire(p, {from, from + step}, colour, width);
        }
        travelled += length;
    }
}

void drawJunction(QPainter &p, QPoint at, QRgb colour, double radius)
{
    fillDisc(p, QPointF(at), radius, colour);
}

void drawSpringAlong(QPainter &p, const Orientation &o, int from, int to, int halfWidth, int peaks, QRgb colour)
{
    const int segments = 2 * peaks;
    QPolygonF zigzag;
    for (int i = 0; i <= segments; ++i) {
        const double a = from + double(to - from) * i / segments;
        double s = 0;
        if (i != 0 && i != segments)
            s = (i % 2 == 1) ? halfWidth : -halfWidth;
        zigzag << o.atF(std::round(a), s);
    }
    strokePolyline(p, zigzag, colour, 1);
}

void drawExhaustTriangle(QPainter &p, const Orientation &o, int at, int halfWidth)
{
    const double height = std::round(halfWidth * 1.6);
    fillShape(p, QPolygonF({o.atF(at, halfWidth + 1), o.atF(at, -halfWidth - 1), o.atF(at + height + 2, 0)}),
              Colour::Black);
    fillShape(p, QPolygonF({o.atF(at + 2, halfWidth - 2), o.atF(at + 2, -halfWidth + 2), o.atF(at + height - 2, 0)}),
              Colour::White);
}

void drawSeat(QPainter &p, const Orientation &o, int apex, int arm, int width, QRgb colour)
{
    const QPointF point = o.atF(apex, 0);
    strokeLine(p, point, o.atF(apex + arm, arm), colour, width);
    strokeLine(p, point, o.atF(apex + arm, -arm), colour, width);
}

QPointF seatedBallCentre(const Orientation &o, int apex, int ballRadius, int width)
{
    // The arms lie at 45 degrees, so a ball touching both sits sqrt(2) times its
    // radius (plus half an arm's thickness) from the point.
    return o.atF(apex + std::sqrt(2.0) * (ballRadius + width / 2.0), 0);
}

void drawBall(QPainter &p, QPointF centre, double radius, int ring, QRgb colour)
{
    fillDisc(p, centre, radius, colour);
    fillDisc(p, centre, radius - ring, Colour::White);
}

void drawAdjustableThrottle(QPainter &p, const Orientation &o, int centre, int halfLength, int gap, int sag, int width)
{
    const double radius = (double(halfLength) * halfLength + double(sag) * sag) / (2.0 * sag);
    for (const int sign : {1, -1}) {
        QPolygonF arc;
        for (int t = -halfLength; t <= halfLength; ++t) {
            const double bow = radius - std::sqrt(radius * radius - double(t) * t);
            arc << o.atF(centre + t, sign * (gap + bow));
        }
        strokePolyline(p, arc, Colour::Black, width);
    }
    // The adjusting arrow crosses the throttle diagonally, pointing up and to the right.
    const QPointF middle = o.atF(centre, 0);
    const double reach = halfLength + 3;
    const QPoint tail = (middle + QPointF(-reach, reach)).toPoint();
    const QPoint tip = (middle + QPointF(reach + 2, -reach - 2)).toPoint();
    drawFlowArrow(p, tail, tip, Colour::Black, 1, 6, 3);
}

void drawPressureGauge(QPainter &p, QPoint centre, int radius, double needleDegrees)
{
    const QPointF middle(centre);
    fillDisc(p, middle, radius, Colour::Black);
    fillDisc(p, middle, radius - 2, Colour::White);
    // Marks at the low, middle and high ends of the scale.
    for (const double mark : {-60.0, 0.0, 60.0}) {
        const double angle = qDegreesToRadians(mark);
        const QPointF direction(std::sin(angle), -std::cos(angle));
        strokeLine(p, middle + direction * (radius - 5), middle + direction * (radius - 2), Colour::Black, 1);
    }
    const double angle = qDegreesToRadians(needleDegrees);
    const QPointF tip = middle + QPointF(std::sin(angle), -std::cos(angle)) * (radius - 4);
    strokeLine(p, middle, tip, Colour::Black, 2);
    fillDisc(p, middle, 2, Colour::Black);
}

void drawSpray(QPainter &p, const Orientation &o, int start, int reach, int fullReach, int halfSpread, QRgb colour)
{
    // Rows of dots across a widening fan, staggered and thinning out downstream; a
    // fixed pseudo-random sequence jiggles them, so a row always looks the same.
    quint32 state = 20240611u;
    const auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return double(state >> 8) / double(1u << 24);
    };
    constexpr int kRowStep = 3;
    constexpr int kDotStep = 4;
    for (int row = 0, a = 1; a <= fullReach; ++row, a += kRowStep) {
        const double halfWidth = 1 + double(halfSpread) * a / fullReach;
        const int dots = int(2 * halfWidth / kDotStep) + 1;
        const double spacing = dots > 1 ? 2 * halfWidth / (dots - 1) : 0;
        const double stagger = (row % 2) * spacing / 2;
        for (int i = 0; i < dots; ++i) {
            const double jiggleA = next() * 2 - 1;
            const double jiggleS = next() * 2 - 1;
            const bool kept = next() > 0.45 * a / fullReach;
            const double s = dots > 1 ? -halfWidth + i * spacing + stagger : 0;
            if (!kept || a > reach || s > halfWidth)
                continue;
            const QPointF centre = o.atF(start + a + jiggleA, s + jiggleS);
            const QPoint corner(int(std::round(centre.x())) - 1, int(std::round(centre.y())) - 1);
            p.fillRect(QRect(corner, QSize(2, 2)), QColor::fromRgb(colour));
        }
    }
}

// ---- Quick exhaust valve ------------------------------------------------------------

static int quickExhaustMiddleRow(const QuickExhaustValve &valve)
{
    return valve.body.top() + valve.body.height() / 2;
}

QPoint quickExhaustSupplyPort(const QuickExhaustValve &valve)
{
    return {valve.body.left(), quickExhaustMiddleRow(valve)};
}

QPoint quickExhaustOutletPort(const QuickExhaustValve &valve)
{
    return {valve.body.left() + valve.body.width() / 2, valve.body.top()};
}

QPoint quickExhaustExhaustPort(const QuickExhaustValve &valve)
{
    return {valve.body.left() + valve.body.width(), quickExhaustMiddleRow(valve)};
}

static int exhaustTriangleLength(int halfWidth)
{
    return int(std::round(halfWidth * 1.6)) + 2;
}

// The triangle's base lies just outside the body's 2-pixel end line.
static constexpr int kQuickExhaustTriangleBase = 1;

QPoint quickExhaustTriangleTip(const QuickExhaustValve &valve)
{
    return quickExhaustExhaustPort(valve)
        + QPoint(kQuickExhaustTriangleBase + exhaustTriangleLength(valve.exhaustHalfWidth), 0);
}

void drawQuickExhaustValve(QPainter &p, const QuickExhaustValve &valve)
{
    const QPoint supply = quickExhaustSupplyPort(valve);
    const QPoint outlet = quickExhaustOutletPort(valve);
    const QPoint exhaust = quickExhaustExhaustPort(valve);
    const QPoint middle(outlet.x(), supply.y());
    const int inset = valve.seatArm + 1;
    // Each seat opens towards the middle, where the ball lies between them.
    const Orientation fromSupply{supply, {1, 0}, {0, -1}};
    const Orientation fromExhaust{exhaust, {-1, 0}, {0, 1}};
    const QPoint supplySeat = fromSupply.at(inset, 0);

    const QRect body = valve.body;
    p.fillRect(body, QColor::fromRgb(Colour::White));
    // The ball divides the line: on its far side the air of the port it closes; while
    // it crosses the middle it parts the supply from the exhaust.
    const QPointF supplySeated = seatedBallCentre(fromSupply, inset, valve.ballRadius);
    const QPointF exhaustSeated = seatedBallCentre(fromExhaust, inset, valve.ballRadius);
    const QPointF ball = valve.ball == QuickExhaustBall::ClosesSupply ? supplySeated
                       : valve.ball == QuickExhaustBall::ClosesExhaust ? exhaustSeated
                                                                       : (supplySeated + exhaustSeated) / 2;
    const QPoint split(int(std::round(ball.x())), supply.y());
    switch (valve.ball) {
    case QuickExhaustBall::ClosesSupply:
        drawWire(p, {supply, split}, valve.supply);
        drawWire(p, {split, exhaust}, valve.outlet);
        break;
    case QuickExhaustBall::Crossing:
        drawWire(p, {supply, split}, valve.supply);
        drawWire(p, {split, exhaust}, valve.exhaust);
        break;
    case QuickExhaustBall::ClosesExhaust:
        drawWire(p, {supply, split}, valve.outlet);
        drawWire(p, {supply, supplySeat}, valve.supply);
        drawWire(p, {split, exhaust}, valve.exhaust);
        break;
    }
    drawWire(p, {outlet, middle}, valve.outlet);
    const QPoint bottomRight(body.left() + body.width(), body.top() + body.height());
    drawWire(p, {body.topLeft(), {bottomRight.x(), body.top()}, bottomRight, {body.left(), bottomRight.y()},
                 body.topLeft()},
             Colour::Black);

    drawSeat(p, fromSupply, inset, valve.seatArm);
    drawSeat(p, fromExhaust, inset, valve.seatArm);
    fillDisc(p, QPointF(middle), 3, Colour::Black);
    drawBall(p, ball, valve.ballRadius);
    drawExhaustTriangle(p, Orientation{exhaust, {1, 0}, {0, -1}}, kQuickExhaustTriangleBase, valve.exhaustHalfWidth);
}

// ---- Pressure-relief valve ----------------------------------------------------------

int reliefExhaustTip(const ReliefValve &valve)
{
    return valve.size + valve.exhaustStub + exhaustTriangleLength(valve.exhaustHalfWidth);
}

void drawReliefValve(QPainter &p, const ReliefValve &valve)
{
    const Orientation &o = valve.o;
    const int size = valve.size;
    const int half = size / 2;

    const QRect square = QRect(o.at(0, half), o.at(size, -half)).normalized();
    p.fillRect(square, QColor::fromRgb(Colour::White));
    drawWire(p, {o.at(0, half), o.at(size, half), o.at(size, -half), o.at(0, -half), o.at(0, half)}, Colour::Black);

    const int arrowSide = valve.open ? 0 : size / 4;
    drawFlowArrow(p, o.at(4, arrowSide), o.at(size - 3, arrowSide), valve.flow, kLineWidth, 8, 4);

    drawWire(p, {o.at(size, 0), o.at(size + valve.exhaustStub, 0)}, valve.exhaust);
    drawExhaustTriangle(p, o, size + valve.exhaustStub, valve.exhaustHalfWidth);

    const int pilotSide = half + valve.pilotOut;
    drawDashedWire(p,
                   {o.at(-valve.pilotTap, 0), o.at(-valve.pilotTap, pilotSide), o.at(half, pilotSide),
                    o.at(half, half)},
                   valve.pilot);

    // The spring stands on the far side, crossed by the arrow that adjusts it.
    const Orientation spring{o.at(half, -half), -o.side, o.along};
    drawWire(p, {spring.at(0, 0), spring.at(2, 0)}, Colour::Black);
    drawSpringAlong(p, spring, 2, valve.springLength, 5, valve.springPeaks);
    const QPointF middle = spring.atF(valve.springLength / 2.0 + 1, 0);
    const double reach = valve.springLength / 2.0 + 2;
    drawFlowArrow(p, (middle + QPointF(-reach, reach)).toPoint(), (middle + QPointF(reach, -reach)).toPoint(),
                  Colour::Black, 1, 6, 3);
}

// ---- One-way flow control valve -----------------------------------------------------

void drawFlowControlValve(QPainter &p, const FlowControlValve &valve)
{
    const Orientation &o = valve.o;
    const int ballOffset = int(std::ceil(std::sqrt(2.0) * (valve.ballRadius + 1)));
    const int element = ballOffset + valve.ballRadius + valve.springLength;
    const int apex = (valve.length - element) / 2;
    const int springStart = apex + ballOffset + valve.ballRadius;
    const int springEnd = springStart + valve.springLength;

    drawWire(p, {o.at(0, 0), o.at(0, valve.loopOffset), o.at(valve.length, valve.loopOffset), o.at(valve.length, 0)},
             valve.loop);
    const Orientation loopLine{o.at(0, valve.loopOffset), o.along, o.side};
    drawAdjustableThrottle(p, loopLine, valve.length / 2, valve.throttleHalfLength, valve.throttleGap,
                           valve.throttleSag);

    drawWire(p, {o.at(0, 0), o.at(apex, 0)}, valve.checkBranch);
    drawWire(p, {o.at(springEnd, 0), o.at(valve.length, 0)}, valve.checkBranch);
    drawSeat(p, o, apex, valve.seatArm, 2, valve.checkElement);
    drawBall(p, seatedBallCentre(o, apex, valve.ballRadius), valve.ballRadius, 2, valve.checkElement);
    drawSpringAlong(p, o, springStart, springEnd, valve.springHalfWidth, valve.springPeaks, valve.checkElement);

    drawJunction(p, o.at(0, 0), valve.loop);
    drawJunction(p, o.at(valve.length, 0), valve.loop);
}

void drawShuttleValveBallInMiddle(QPainter &p, const LogicValveBody &body, const LogicValveAir &air, QRgb leftOfBall,
                                  QRgb rightOfBall)
{
    // The proportions of drawShuttleValve(): seats two thirds of the half height long
    // and seven twelfths of it wide, the ball half of it in radius.
    drawLogicValveOutline(p, body);

    const int seatLength = body.halfHeight * 2 / 3;
    const int seatHalfWidth = body.halfHeight * 7 / 12;
    const int ballRadius = body.halfHeight / 2;
    const QPoint leftTip = body.leftInlet() + QPoint(4, 0);
    const QPoint rightTip = body.rightInlet() - QPoint(4, 0);
    drawWire(p, {body.leftInlet(), leftTip}, air.left);
    drawWire(p, {rightTip, body.rightInlet()}, air.right);
    drawWire(p, {leftTip, body.centre}, leftOfBall);
    drawWire(p, {body.centre, rightTip}, rightOfBall);
    drawWire(p, {body.outlet(), body.centre}, air.outlet);
    for (const int side : {-1, 1}) {
        const QPointF tip(side < 0 ? leftTip : rightTip);
        const QPointF seatEnd = tip - QPointF(side * seatLength, 0);
        strokePolyline(p, QPolygonF({seatEnd + QPointF(0, seatHalfWidth), tip, seatEnd - QPointF(0, seatHalfWidth)}),
                       Colour::Black, 2);
    }
    fillDisc(p, QPointF(body.centre), ballRadius, Colour::Black);
    fillDisc(p, QPointF(body.centre), ballRadius - 2, Colour::White);
}
