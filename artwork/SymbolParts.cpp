// SPDX-License-Identifier: GPL-3.0-or-later
#include "SymbolParts.h"

#include "DrawingBasics.h"
#include "Palette.h"

#include <QLineF>
#include <QPolygonF>
#include <cmath>

QRgb lineColour(Air air)
{
    switch (air) {
    case Air::Pressure: return Colour::Red;
    case Air::Exhaust: return Colour::Blue;
    case Air::None: break;
    }
    return Colour::Black;
}

QRgb chamberColour(Air air)
{
    return air == Air::None ? Colour::White : lineColour(air);
}

void drawWire(QPainter &p, const QList<QPoint> &points, QRgb colour, int width)
{
    const int before = width / 2;
    for (qsizetype i = 1; i < points.size(); ++i) {
        const QPoint a = points[i - 1];
        const QPoint b = points[i];
        const QPoint topLeft(qMin(a.x(), b.x()) - before, qMin(a.y(), b.y()) - before);
        const QPoint bottomRight(qMax(a.x(), b.x()) - before + width - 1, qMax(a.y(), b.y()) - before + width - 1);
        p.fillRect(QRect(topLeft, bottomRight), QColor::fromRgb(colour));
    }
}

void drawFlowArrow(QPainter &p, QPoint tail, QPoint tip, QRgb colour, int width, int headLength, int headHalfWidth)
{
    const QLineF shaft(tail, tip);
    const QPointF along = (QPointF(tip) - QPointF(tail)) / shaft.length();
    const QPointF across(-along.y(), along.x());
    const QPointF base = QPointF(tip) - along * headLength;
    const QPointF halfWidth = across * (width / 2.0);
    // The shaft reaches a pixel into the head so no gap opens between them.
    const QPointF shaftEnd = base + along;
    fillShape(p, QPolygonF({QPointF(tail) + halfWidth, shaftEnd + halfWidth, shaftEnd - halfWidth,
                               QPointF(tail) - halfWidth}),
                 colour);
    fillShape(p, QPolygonF({QPointF(tip), base + across * headHalfWidth, base - across * headHalfWidth}), colour);
}

void drawBlockedPort(QPainter &p, QPoint edge, int inward, int barWidth, QRgb colour, int width)
{
    const QPoint end = edge + QPoint(0, inward);
    drawWire(p, {edge, end}, colour, width);
    drawWire(p, {end - QPoint(barWidth / 2, 0), end + QPoint(barWidth / 2, 0)}, colour, width);
}

void drawZigZagSpring(QPainter &p, const QRect &area, int peaks, QRgb colour, int width)
{
    const int segments = 2 * peaks;
    const double step = double(area.width() - 1) / segments;
    const int middle = area.top() + area.height() / 2;
    QPolygon zigzag;
    for (int i = 0; i <= segments; ++i) {
        const int x = area.left() + int(std::lround(i * step));
        int y = middle;
        if (i != 0 && i != segments)
            y = (i % 2 == 1) ? area.top() : area.bottom();
        zigzag << QPoint(x, y);
    }
    strokePolyline(p, QPolygonF(zigzag), colour, width);
}

static void drawCircleOutline(QPainter &p, QPointF centre, double radius, QRgb colour)
{
    // A 2-pixel ring: a filled disc with a white disc inside it.
    fillDisc(p, centre, radius, colour);
    fillDisc(p, centre, radius - 2, Colour::White);
}

void drawPressureSource(QPainter &p, QPoint connection, int radius, PressureSourceStyle style)
{
    const QPointF centre(connection.x(), connection.y() + radius);
    drawCircleOutline(p, centre, radius, Colour::Black);
    if (style == PressureSourceStyle::CircleWithDot) {
        fillDisc(p, centre, 2.0, Colour::Black);
        return;
    }
    const double size = radius * 0.55;
    fillShape(p, QPolygonF({centre + QPointF(0, -size), centre + QPointF(size, size * 0.8),
                               centre + QPointF(-size, size * 0.8)}),
                 Colour::Black);
}

void drawExhaust(QPainter &p, QPoint connection, int halfWidth, bool pointingDown)
{
    const double height = std::round(halfWidth * 1.6);
    const double direction = pointingDown ? 1.0 : -1.0;
    const QPointF base(connection);
    const QPointF outer[] = {base + QPointF(-halfWidth - 1, 0), base + QPointF(halfWidth + 1, 0),
                             base + QPointF(0, direction * (height + 2))};
    fillShape(p, QPolygonF({outer[0], outer[1], outer[2]}), Colour::Black);
    const QPointF inner[] = {base + QPointF(-halfWidth + 2, direction * 2), base + QPointF(halfWidth - 2, direction * 2),
                             base + QPointF(0, direction * (height - 2))};
    fillShape(p, QPolygonF({inner[0], inner[1], inner[2]}), Colour::White);
}

void drawPortLetter(QPainter &p, QPoint centre, const QString &letter, int pixelSize)
{
    drawLetter(p, centre, letter, pixelSize, Colour::Black);
}

// ---- Directional valves ------------------------------------------------------

ValveSymbolSpec twoTwoValve()
{
    return {{{"A", Edge::Top, 2}, {"P", Edge::Bottom, 2}},
            {{}, {"A", "P"}},
            {{{"P", "A"}}, {}}};
}

ValveSymbolSpec threeTwoValve()
{
    return {{{"A", Edge::Top, 1}, {"P", Edge::Bottom, 1}, {"R", Edge::Bottom, 3}},
            {{{"A", "R"}}, {"P"}},
            {{{"P", "A"}}, {"R"}}};
}

ValveSymbolSpec fourTwoValve(const QString &exhaust)
{
    return {{{"A", Edge::Top, 1}, {"B", Edge::Top, 3}, {exhaust, Edge::Bottom, 1}, {"P", Edge::Bottom, 3}},
            {{{"A", exhaust}, {"P", "B"}}, {}},
            {{{"P", "A"}, {"B", exhaust}}, {}}};
}

ValveSymbolSpec fiveTwoValve()
{
    return {{{"A", Edge::Top, 1}, {"B", Edge::Top, 3}, {"T", Edge::Bottom, 1}, {"P", Edge::Bottom, 2},
             {"R", Edge::Bottom, 3}},
            {{{"A", "T"}, {"P", "B"}}, {"R"}},
            {{{"P", "A"}, {"B", "R"}}, {"T"}}};
}

static const ValvePort &findPort(const ValveSymbolSpec &valve, const QString &name)
{
    for (const ValvePort &port : valve.ports)
        if (port.name == name)
            return port;
    qFatal("valve symbol has no port %s", qPrintable(name));
}

// The point of `port` on the outer edge line of the square whose top-left corner is `square`.
static QPoint portOnSquare(const ValvePort &port, QPoint square, int size)
{
    const int x = square.x() + size * port.quarter / 4;
    return {x, port.edge == Edge::Top ? square.y() : square.y() + size};
}

static void drawPosition(QPainter &p, const ValveSymbolSpec &valve, const ValvePosition &position, QPoint square,
                         const ValveDrawing &drawing, const QHash<QString, Air> &air)
{
    const int size = drawing.squareSize;
    const int headLength = drawing.arrowHeadLength > 0 ? drawing.arrowHeadLength : size / 5;
    const int headHalfWidth = drawing.arrowHeadHalfWidth > 0 ? drawing.arrowHeadHalfWidth : size / 12;
    // Arrows run from the inner side of one edge line to the inner side of the other.
    const auto inside = [&](const ValvePort &port) {
        const QPoint onEdge = portOnSquare(port, square, size);
        return port.edge == Edge::Top ? onEdge + QPoint(0, 1) : onEdge - QPoint(0, 1);
    };
    for (const auto &[from, to] : position.flows) {
        const QRgb colour = lineColour(air.value(from, Air::None));
        drawFlowArrow(p, inside(findPort(valve, from)), inside(findPort(valve, to)), colour, kLineWidth,
                      headLength, headHalfWidth);
    }
    const int stem = size / 5;
    for (const QString &name : position.blocked) {
        const ValvePort &port = findPort(valve, name);
        const int inward = port.edge == Edge::Top ? stem : -stem;
        drawBlockedPort(p, portOnSquare(port, square, size), inward, stem, Colour::Black);
    }
}

static void drawPushButton(QPainter &p, QPoint attach, int length, int squareSize)
{
    const int headRadius = squareSize / 8;
    const int stemEnd = attach.x() + length - headRadius;
    drawWire(p, {attach, {stemEnd, attach.y()}}, Colour::Black);
    drawWire(p, {{stemEnd, attach.y() - headRadius}, {stemEnd, attach.y() + headRadius}}, Colour::Black);
    p.save();
    p.setPen(QPen(QColor::fromRgb(Colour::Black), kLineWidth, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(stemEnd - headRadius - 0.5, attach.y() - headRadius - 0.5, 2 * headRadius, 2 * headRadius),
              -90 * 16, 180 * 16);
    p.restore();
}

void drawValveSymbol(QPainter &p, const ValveSymbolSpec &valve, const ValveDrawing &drawing)
{
    const int size = drawing.squareSize;
    const QPoint restSquare = drawing.portSquare - QPoint(drawing.pressed ? size : 0, 0);
    const QPoint pressedSquare = restSquare + QPoint(size, 0);
    const int top = restSquare.y();
    const int bottom = top + size;
    const int left = restSquare.x();
    const int right = left + 2 * size;

    p.fillRect(QRect(left, top, 2 * size, size), QColor::fromRgb(Colour::White));
    drawWire(p, {{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}}, Colour::Black);
    drawWire(p, {{left + size, top}, {left + size, bottom}}, Colour::Black);

    const QHash<QString, Air> noAir;
    drawPosition(p, valve, valve.atRest, restSquare, drawing, drawing.pressed ? noAir : drawing.air);
    drawPosition(p, valve, valve.pressed, pressedSquare, drawing, drawing.pressed ? drawing.air : noAir);

    const int springLength = drawing.pressed ? drawing.springLength * 6 / 10 : drawing.springLength;
    const int springHalfHeight = size * 3 / 10;
    const int middle = top + size / 2;
    drawZigZagSpring(p, QRect(left - springLength, middle - springHalfHeight, springLength, 2 * springHalfHeight + 1), 3,
                     Colour::Black);
    drawPushButton(p, {right, middle}, drawing.buttonLength, size);
}

QPoint valvePortPoint(const ValveSymbolSpec &valve, const ValveDrawing &drawing, const QString &port)
{
    return portOnSquare(findPort(valve, port), drawing.portSquare, drawing.squareSize);
}

// ---- Cylinders ----------------------------------------------------------------

static constexpr int kBarrelWall = 2;

static QRect barrelInside(const CylinderSpec &cylinder)
{
    return cylinder.barrel.adjusted(kBarrelWall, kBarrelWall, -kBarrelWall, -kBarrelWall);
}

int pistonLeft(const CylinderSpec &cylinder, int stroke)
{
    return barrelInside(cylinder).left() + cylinder.restGap + stroke;
}

int rodTip(const CylinderSpec &cylinder, int stroke)
{
    return pistonLeft(cylinder, stroke) + cylinder.pistonWidth + cylinder.rodLength - 1;
}

QPoint capPort(const CylinderSpec &cylinder)
{
    const QRect inside = barrelInside(cylinder);
    return {inside.left() + cylinder.restGap / 2 + 1, cylinder.barrel.bottom() - 1};
}

QPoint rodPort(const CylinderSpec &cylinder)
{
    const QRect inside = barrelInside(cylinder);
    return {inside.right() - cylinder.restGap / 2 + 1, cylinder.barrel.bottom() - 1};
}

void drawCylinder(QPainter &p, const CylinderSpec &cylinder, const CylinderState &state)
{
    const QRect inside = barrelInside(cylinder);
    const int piston = pistonLeft(cylinder, state.stroke);
    const int pistonRight = piston + cylinder.pistonWidth - 1;

    p.fillRect(cylinder.barrel, QColor::fromRgb(Colour::Black));
    p.fillRect(QRect(QPoint(inside.left(), inside.top()), QPoint(piston - 1, inside.bottom())),
               QColor::fromRgb(chamberColour(state.capSide)));
    p.fillRect(QRect(QPoint(pistonRight + 1, inside.top()), inside.bottomRight()),
               QColor::fromRgb(chamberColour(state.rodSide)));
    fillOutlined(p, QRect(QPoint(piston, inside.top()), QPoint(pistonRight, inside.bottom())), state.movingParts);

    const int rodTop = inside.center().y() - cylinder.rodThickness / 2 + 1;
    fillOutlined(p, QRect(QPoint(pistonRight, rodTop), QPoint(rodTip(cylinder, state.stroke), rodTop + cylinder.rodThickness - 1)),
                 state.movingParts);

    if (cylinder.returnSpring) {
        const QRect chamber(QPoint(pistonRight + 1, inside.top() + 3), QPoint(inside.right(), inside.bottom() - 3));
        drawZigZagSpring(p, chamber, 4, Colour::Black);
    }
}

// ---- Non-return and logic valves ---------------------------------------------

// A straight stroke `width` pixels wide between two points in any direction.
static void fillStroke(QPainter &p, QPointF from, QPointF to, double width, QRgb colour)
{
    const QLineF line(from, to);
    const QPointF along = (to - from) / line.length();
    const QPointF half = QPointF(-along.y(), along.x()) * (width / 2.0);
    fillShape(p, QPolygonF({from + half, to + half, to - half, from - half}), colour);
}

// Where the centre of a ball lying in a V seat is, counted from the seat's point.
static int ballDepthInSeat(int seatLength, int seatHalfWidth, int ballRadius, int width)
{
    const double sine = seatHalfWidth / std::hypot(double(seatLength), double(seatHalfWidth));
    return int(std::lround((ballRadius + width / 2.0) / sine));
}

int nonReturnValveLength(const NonReturnValveSize &size)
{
    return ballDepthInSeat(size.seatLength, size.seatHalfWidth, size.ballRadius, size.width) + size.ballRadius
        + size.springLength;
}

QPoint drawNonReturnValve(QPainter &p, QPoint seatTip, QPoint flow, const NonReturnValveSize &size, QRgb colour)
{
    const QPointF tip(seatTip);
    const QPointF along(flow);
    const QPointF across(-along.y(), along.x());
    const QPointF seatEnd = tip + along * size.seatLength;
    fillStroke(p, tip, seatEnd + across * size.seatHalfWidth, size.width, colour);
    fillStroke(p, tip, seatEnd - across * size.seatHalfWidth, size.width, colour);

    const int depth = ballDepthInSeat(size.seatLength, size.seatHalfWidth, size.ballRadius, size.width);
    drawCircleOutline(p, tip + along * depth, size.ballRadius, colour);

    const int springStart = depth + size.ballRadius;
    const int segments = 2 * size.springPeaks;
    QPolygonF zigzag;
    for (int i = 0; i <= segments; ++i) {
        const double side = (i == 0 || i == segments) ? 0.0 : (i % 2 == 1 ? 1.0 : -1.0);
        zigzag << tip + along * (springStart + double(size.springLength) * i / segments)
                + across * (side * size.springHalfWidth);
    }
    p.save();
    p.setPen(QPen(QColor::fromRgb(colour), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(zigzag);
    p.restore();
    return seatTip + flow * (springStart + size.springLength);
}

void drawLogicValveOutline(QPainter &p, const LogicValveBody &body)
{
    const int left = body.centre.x() - body.halfLength;
    const int right = body.centre.x() + body.halfLength;
    const int top = body.centre.y() - body.halfHeight;
    const int bottom = body.centre.y() + body.halfHeight;
    p.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), QColor::fromRgb(Colour::White));
    drawWire(p, {{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}}, Colour::Black);
}

void drawShuttleValve(QPainter &p, const LogicValveBody &body, BallSeat ball, const LogicValveAir &air)
{
    const int y = body.centre.y();
    const int seatLength = body.halfHeight * 2 / 3;
    const int seatHalfWidth = body.halfHeight * 7 / 12;
    const int ballRadius = body.halfHeight / 2;
    const QPoint leftTip = body.leftInlet() + QPoint(4, 0);
    const QPoint rightTip = body.rightInlet() - QPoint(4, 0);

    drawLogicValveOutline(p, body);
    drawWire(p, {body.leftInlet(), leftTip}, air.left);
    drawWire(p, {rightTip, body.rightInlet()}, air.right);
    drawWire(p, {leftTip, rightTip}, air.outlet);
    drawWire(p, {body.outlet(), body.centre}, air.outlet);
    fillDisc(p, QPointF(body.centre), 3.0, air.outlet);

    for (const int side : {-1, 1}) {
        const QPointF tip(side < 0 ? leftTip : rightTip);
        const QPointF seatEnd = tip - QPointF(side * seatLength, 0);
        fillStroke(p, tip, seatEnd + QPointF(0, seatHalfWidth), kLineWidth, Colour::Black);
        fillStroke(p, tip, seatEnd - QPointF(0, seatHalfWidth), kLineWidth, Colour::Black);
    }
    const int depth = ballDepthInSeat(seatLength, seatHalfWidth, ballRadius, kLineWidth);
    const QPointF ballCentre = ball == BallSeat::Left ? QPointF(leftTip.x() + depth, y) : QPointF(rightTip.x() - depth, y);
    drawCircleOutline(p, ballCentre, ballRadius, Colour::Black);
}

void drawTwoPressureValveShifted(QPainter &p, const LogicValveBody &body, int offset, const LogicValveAir &air)
{
    const int x = body.centre.x();
    const int y = body.centre.y();
    const int plateInset = body.halfLength * 3 / 10;
    constexpr int kSeatGap = 6;     // plate to seat mark, both in the middle position
    const int plateHalfHeight = body.halfHeight * 2 / 3;
    const int leftSeat = x - body.halfLength + plateInset + kSeatGap;
    const int rightSeat = x + body.halfLength - plateInset - kSeatGap;
    const int leftPlate = x - body.halfLength + plateInset + offset;
    const int rightPlate = x + body.halfLength - plateInset + offset;

    drawLogicValveOutline(p, body);
    drawWire(p, {body.leftInlet(), {leftSeat, y}}, air.left);
    drawWire(p, {{rightSeat, y}, body.rightInlet()}, air.right);
    drawWire(p, {{leftSeat, y}, {rightSeat, y}}, air.outlet);

    const int top = y - body.halfHeight;
    const int bottom = y + body.halfHeight;
    for (const int seat : {leftSeat, rightSeat}) {
        drawWire(p, {{seat, top + 2}, {seat, y - 4}}, Colour::Black);
        drawWire(p, {{seat, y + 4}, {seat, bottom - 2}}, Colour::Black);
    }
    drawWire(p, {{leftPlate, y}, {rightPlate, y}}, Colour::Black, 4);
    for (const int plate : {leftPlate, rightPlate})
        drawWire(p, {{plate, y - plateHalfHeight}, {plate, y + plateHalfHeight}}, Colour::Black);
}

void drawTwoPressureValve(QPainter &p, const LogicValveBody &body, ShuttlePosition shuttle, const LogicValveAir &air)
{
    constexpr int kShuttleTravel = 4;  // then the plate touches its seat mark
    const int offset = shuttle == ShuttlePosition::Left ? -kShuttleTravel
                     : shuttle == ShuttlePosition::Right ? kShuttleTravel : 0;
    drawTwoPressureValveShifted(p, body, offset, air);
}

void drawValveBottomPorts(QPainter &p, const ValveSymbolSpec &valve, const ValveDrawing &drawing,
                          const QHash<QString, Air> &air, int exhaustStub, int supplyStub, int letterSize)
{
    int leftmost = 4;
    for (const ValvePort &port : valve.ports)
        if (port.edge == Edge::Bottom)
            leftmost = qMin(leftmost, port.quarter);
    for (const ValvePort &port : valve.ports) {
        if (port.edge != Edge::Bottom)
            continue;
        const QPoint start = valvePortPoint(valve, drawing, port.name);
        const bool supply = port.name == QLatin1String("P");
        const QPoint end = start + QPoint(0, supply ? supplyStub : exhaustStub);
        drawWire(p, {start, end}, lineColour(air.value(port.name, Air::None)));
        const int side = port.quarter == leftmost ? -1 : 1;
        if (supply) {
            drawPressureSource(p, end, 7);
            drawPortLetter(p, end + QPoint(side * 15, 7), port.name, letterSize);
        } else {
            drawExhaust(p, end, 6);
            drawPortLetter(p, end + QPoint(side * 14, 5), port.name, letterSize);
        }
    }
}

void letterValveTopPorts(QPainter &p, const ValveSymbolSpec &valve, const ValveDrawing &drawing, int dy, int letterSize)
{
    for (const ValvePort &port : valve.ports) {
        if (port.edge != Edge::Top)
            continue;
        const int side = port.quarter <= 2 ? -1 : 1;
        drawPortLetter(p, valvePortPoint(valve, drawing, port.name) + QPoint(side * 10, dy), port.name, letterSize);
    }
}
