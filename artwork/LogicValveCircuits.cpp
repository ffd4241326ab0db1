// SPDX-License-Identifier: GPL-3.0-or-later
// The circuit animations and symbols of the non-return, shuttle and two-pressure
// valves. Each circuit drives a single-acting cylinder from push-button 3/2 valves;
// every frame draws the same layout, and only the valves' positions, the colours of
// the air, the ball or shuttle of the logic valve, the piston's stroke and the air
// blowing out of an exhaust change.
#include "Artwork.h"
#include "PageNames.h"

#include "Canvas.h"
#include "ControlSymbolParts.h"
#include "DrawingBasics.h"
#include "Palette.h"
#include "SymbolParts.h"

namespace {

constexpr int kCylinderRodLength = 110;

// ---- Non-return valve circuit ------------------------------------------------
// The line from the cylinder runs straight down through the non-return valve to
// port A of the 3/2 valve; a bypass through a normally closed 2/2 release valve
// runs on its right.
constexpr QRect kCheckBarrel(80, 24, 108, 44);
constexpr int kBranchY = 84;             // the bypass leaves the cylinder line here
constexpr int kRejoinY = 150;            // and comes back here
constexpr QPoint kBypassSquare(154, 99);
constexpr int kBypassSquareSize = 36;
constexpr QPoint kCheckValveSquare(74, 170);
constexpr int kCheckValveSquareSize = 48;
constexpr int kCheckValveTipY = 140;     // the point of the non-return valve's seat

// ---- Shuttle and two-pressure valve circuits ------------------------------------
// The logic valve sits in the middle, a 3/2 valve under each of its inlets.
constexpr QRect kLogicBarrel(60, 36, 108, 44);
constexpr int kOutletRunY = 96;          // the outlet line turns here towards the cylinder
constexpr QPoint kLogicValveCentre(120, 126);
constexpr QPoint kLeftValveSquare(48, 178);
constexpr QPoint kRightValveSquare(176, 178);
constexpr int kLogicSquareSize = 32;

// ---- Symbols (135 x 75) ----------------------------------------------------------
constexpr int kSymbolLineY = 38;
constexpr LogicValveBody kSymbolBody{{68, 44}, 34, 14};
constexpr int kSymbolOutletTop = 14;
constexpr int kSymbolInletLength = 26;

CylinderSpec cylinderAt(const QRect &barrel)
{
    return {.barrel = barrel, .rodLength = kCylinderRodLength, .returnSpring = true};
}

// Arrow heads too small to see on the small squares are drawn at this size at least.
constexpr int kMinimumArrowHeadLength = 8;
constexpr int kMinimumArrowHeadHalfWidth = 4;

ValveDrawing threeTwoAt(QPoint square, int size, bool pressed, QHash<QString, Air> air)
{
    return {.portSquare = square, .squareSize = size, .pressed = pressed, .air = std::move(air),
            .springLength = size / 2, .buttonLength = size * 3 / 8,
            .arrowHeadLength = qMax(size / 5, kMinimumArrowHeadLength),
            .arrowHeadHalfWidth = qMax(size / 12, kMinimumArrowHeadHalfWidth)};
}

// The supply is always on: P stays under pressure up to the closed valve.
QHash<QString, Air> threeTwoAir(bool pressed, Air restingLine)
{
    if (pressed)
        return {{"A", Air::Pressure}, {"P", Air::Pressure}, {"R", Air::None}};
    return {{"A", restingLine}, {"P", Air::Pressure}, {"R", restingLine}};
}

// The release valve: a 2/2 valve closed at rest, open while its button is pressed;
// its arrow points down, the way the cylinder empties through it.
ValveSymbolSpec releaseValve()
{
    return {{{"A", Edge::Top, 2}, {"P", Edge::Bottom, 2}},
            {{}, {"A", "P"}},
            {{{"A", "P"}}, {}}};
}

// P and R under a 3/2 valve: P ends in a pressure source with its letter on the
// left, R close under the valve in an exhaust with its letter on the right; A is
// lettered on the left of its line above the valve.
void drawValvePorts(QPainter &p, const ValveDrawing &drawing, int supplyStub)
{
    const ValveSymbolSpec valve = threeTwoValve();
    const QPoint a = valvePortPoint(valve, drawing, QStringLiteral("A"));
    drawPortLetter(p, a + QPoint(-10, -13), QStringLiteral("A"));

    const QPoint supply = valvePortPoint(valve, drawing, QStringLiteral("P"));
    const QPoint source = supply + QPoint(0, supplyStub);
    drawWire(p, {supply, source}, lineColour(drawing.air.value(QStringLiteral("P"))));
    drawPressureSource(p, source, 7);
    drawPortLetter(p, source + QPoint(-15, 7), QStringLiteral("P"));

    const QPoint exhaust = valvePortPoint(valve, drawing, QStringLiteral("R"));
    const QPoint vent = exhaust + QPoint(0, 8);
    drawWire(p, {exhaust, vent}, lineColour(drawing.air.value(QStringLiteral("R"))));
    drawExhaust(p, vent, 6);
    drawPortLetter(p, vent + QPoint(14, 5), QStringLiteral("R"));
}

void drawJunction(QPainter &p, QPoint at, Air air)
{
    fillDisc(p, QPointF(at), 3.0, lineColour(air));
}

// ---- Non-return valve circuit ------------------------------------------------

NonReturnValveSize circuitCheckValve()
{
    return {.seatLength = 13, .seatHalfWidth = 10, .ballRadius = 7, .springLength = 18, .springHalfWidth = 6};
}

// One second of the circuit, in step with the section on the same page.
struct CheckValveFrame {
    bool supplyPressed;   // the 3/2 valve: P to A
    bool releasePressed;  // the 2/2 valve in the bypass: open
    bool passing;         // air flows through the non-return valve
    int stroke;
    bool venting;         // air leaves through R in this second
};

// The 3/2 button pressed: the air reaches the cylinder through the non-return valve
// and the piston runs out, fast at first and slowing as it nears its stop; there
// the flow ends and the spring seats the ball, the pressure now the same on both
// sides. Let go: the line below the non-return valve exhausts through R, the air
// above it presses the ball onto its seat and holds the piston where it stopped,
// the closed release valve keeping the bypass shut. Only the release button opens
// the way back: the cylinder empties down the bypass and out through R, and the
// spring returns the piston.
constexpr CheckValveFrame kCheckValveFrames[6] = {
    {false, true, false, 0, true},   {true, false, true, 35, false},  {true, false, true, 60, false},
    {true, false, false, 70, false}, {false, false, false, 70, true}, {false, false, false, 70, false},
};

QImage drawCheckValveCircuit(int frame, QSize size)
{
    const CheckValveFrame &state = kCheckValveFrames[frame];
    // The air below the non-return valve (from port A) and above it (to the cylinder).
    const Air below = state.supplyPressed ? Air::Pressure : Air::Exhaust;
    const Air above = state.releasePressed ? Air::Exhaust : Air::Pressure;
    const bool passing = state.passing;

    QImage picture = blankPicture(size);
    PicturePainter p(&picture);
    const CylinderSpec cylinder = cylinderAt(kCheckBarrel);
    drawCylinder(p, cylinder, {state.stroke, above, Air::None});

    const ValveDrawing valve = threeTwoAt(kCheckValveSquare, kCheckValveSquareSize, state.supplyPressed,
                                          threeTwoAir(state.supplyPressed, Air::Exhaust));
    const QPoint portA = valvePortPoint(threeTwoValve(), valve, QStringLiteral("A"));
    const int x = portA.x();
    const QPoint seatTip(x, kCheckValveTipY);
    const int springEnd = kCheckValveTipY - nonReturnValveLength(circuitCheckValve());
    drawWire(p, {capPort(cylinder), {x, springEnd}}, lineColour(above));
    drawWire(p, {seatTip, portA}, lineColour(below));
    drawNonReturnValve(p, seatTip, {0, -1}, circuitCheckValve(), passing ? Colour::Purple : Colour::Black);

    const ValveSymbolSpec bypassValve = releaseValve();
    const ValveDrawing bypass{.portSquare = kBypassSquare, .squareSize = kBypassSquareSize,
                              .pressed = state.releasePressed, .air = {{"A", above}, {"P", below}},
                              .springLength = 18, .buttonLength = 13,
                              .arrowHeadLength = kMinimumArrowHeadLength,
                              .arrowHeadHalfWidth = kMinimumArrowHeadHalfWidth};
    const QPoint bypassIn = valvePortPoint(bypassValve, bypass, QStringLiteral("A"));
    const QPoint bypassOut = valvePortPoint(bypassValve, bypass, QStringLiteral("P"));
    drawWire(p, {{x, kBranchY}, {bypassIn.x(), kBranchY}, bypassIn}, lineColour(above));
    drawWire(p, {bypassOut, {bypassOut.x(), kRejoinY}, {x, kRejoinY}}, lineColour(below));
    drawJunction(p, {x, kBranchY}, above);
    drawJunction(p, {x, kRejoinY}, below);
    drawValveSymbol(p, bypassValve, bypass);

    drawValvePorts(p, valve, 20);
    drawValveSymbol(p, threeTwoValve(), valve);
    if (state.venting) {
        // Below the exhaust triangle under R (its stub is 8 pixels, the triangle about 12).
        const QPoint exhaust = valvePortPoint(threeTwoValve(), valve, QStringLiteral("R"));
        const Orientation down{exhaust + QPoint(0, 21), {0, 1}, {1, 0}};
        drawSpray(p, down, 0, 12, 12, 7, Colour::Blue);
    }
    return picture;
}

QImage drawCheckValveSymbol(QSize size)
{
    QImage picture = blankPicture(size);
    PicturePainter p(&picture);
    const NonReturnValveSize valve{.seatLength = 18, .seatHalfWidth = 15, .ballRadius = 10, .springLength = 30,
                                   .springHalfWidth = 9, .springPeaks = 4};
    const int length = nonReturnValveLength(valve);
    const QPoint tip((size.width() - length) / 2, kSymbolLineY);
    const QPoint springEnd = drawNonReturnValve(p, tip, {1, 0}, valve, Colour::Black);
    drawWire(p, {{tip.x() - kSymbolInletLength, kSymbolLineY}, tip}, Colour::Black);
    drawWire(p, {springEnd, springEnd + QPoint(kSymbolInletLength, 0)}, Colour::Black);
    return picture;
}

// ---- Shuttle and two-pressure valve circuits ------------------------------------

enum class LogicValve { Shuttle, TwoPressure };

struct LogicFrame {
    bool leftPressed;
    bool rightPressed;
    Air leftLine;   // the line from the logic valve's inlet to the 3/2 valve's port A
    Air rightLine;
    Air outlet;     // the outlet line and the cylinder's chamber
    int stroke;
    int position;   // shuttle valve: 0 ball left, 1 ball crossing, 2 ball right; two-pressure: the
                    // shuttle's shift right of the middle in pixels (4: a plate on its seat mark)
};

LogicValveBody circuitBody()
{
    return {kLogicValveCentre, 36, 15};
}

QImage drawLogicCircuit(QSize size, LogicValve kind, const LogicFrame &frame)
{
    QImage picture = blankPicture(size);
    PicturePainter p(&picture);
    const CylinderSpec cylinder = cylinderAt(kLogicBarrel);
    drawCylinder(p, cylinder, {frame.stroke, frame.outlet, Air::None});

    const LogicValveBody body = circuitBody();
    const QPoint cap = capPort(cylinder);
    drawWire(p, {cap, {cap.x(), kOutletRunY}, {body.outlet().x(), kOutletRunY}, body.outlet()}, lineColour(frame.outlet));

    const ValveDrawing left = threeTwoAt(kLeftValveSquare, kLogicSquareSize, frame.leftPressed,
                                         threeTwoAir(frame.leftPressed, frame.leftLine));
    const ValveDrawing right = threeTwoAt(kRightValveSquare, kLogicSquareSize, frame.rightPressed,
                                          threeTwoAir(frame.rightPressed, frame.rightLine));
    const QPoint leftA = valvePortPoint(threeTwoValve(), left, QStringLiteral("A"));
    const QPoint rightA = valvePortPoint(threeTwoValve(), right, QStringLiteral("A"));
    drawWire(p, {body.leftInlet(), {leftA.x(), body.centre.y()}, leftA}, lineColour(frame.leftLine));
    drawWire(p, {body.rightInlet(), {rightA.x(), body.centre.y()}, rightA}, lineColour(frame.rightLine));

    const LogicValveAir air{lineColour(frame.leftLine), lineColour(frame.rightLine), lineColour(frame.outlet)};
    if (kind == LogicValve::Shuttle && frame.position == 1) {
        // The pressed side's air stands against the ball; beyond it the outlet's.
        const QRgb pushing = lineColour(Air::Pressure);
        const QRgb beyond = lineColour(frame.outlet);
        const bool fromLeft = frame.leftLine == Air::Pressure;
        drawShuttleValveBallInMiddle(p, body, air, fromLeft ? pushing : beyond, fromLeft ? beyond : pushing);
    } else if (kind == LogicValve::Shuttle) {
        drawShuttleValve(p, body, frame.position == 0 ? BallSeat::Left : BallSeat::Right, air);
    } else {
        drawTwoPressureValveShifted(p, body, frame.position, air);
    }

    for (const ValveDrawing &valve : {left, right}) {
        drawValvePorts(p, valve, 24);
        drawValveSymbol(p, threeTwoValve(), valve);
    }
    return picture;
}

// Either button fills the cylinder; the ball is pushed against the other inlet,
// which stays without air. Released, the cylinder empties back through the valve
// that last fed it. Second by second with the section on the page: both released;
// the left button pressed, its air driving the ball across the middle; the ball
// over, the piston out; both released; the same with the right button.
QImage drawShuttleCircuit(int frame, QSize size)
{
    constexpr Air none = Air::None;
    constexpr Air fill = Air::Pressure;
    constexpr Air empty = Air::Exhaust;
    static constexpr LogicFrame frames[] = {
        {false, false, none, empty, empty, 0, 0},
        {true, false, fill, none, empty, 0, 1},
        {true, false, fill, none, fill, 60, 2},
        {false, false, empty, none, empty, 0, 2},
        {false, true, none, fill, empty, 0, 1},
        {false, true, none, fill, fill, 60, 0},
    };
    return drawLogicCircuit(size, LogicValve::Shuttle, frames[frame]);
}

// Only both buttons together fill the cylinder; a single inlet under pressure
// pushes the shuttle over and closes itself off from the outlet. As on the shuttle
// valve's circuit, the line of a button just released is blue while it empties.
// Second by second with the section on the page: both released; the left button
// alone, the shuttle half way over, then over and closing; both, the shuttle
// staying over (the pressures on its plates balance) while the right inlet's air
// puts the piston out; the right button alone, the shuttle moving back over to the
// left while the cylinder returns through the left line.
QImage drawTwoPressureCircuit(int frame, QSize size)
{
    constexpr Air none = Air::None;
    constexpr Air fill = Air::Pressure;
    constexpr Air empty = Air::Exhaust;
    static constexpr LogicFrame frames[] = {
        {false, false, none, empty, empty, 0, 0},
        {true, false, fill, none, empty, 0, 2},
        {true, false, fill, none, empty, 0, 4},
        {true, true, fill, fill, fill, 68, 4},
        {false, true, empty, fill, empty, 34, -2},
        {false, true, empty, fill, empty, 0, -4},
    };
    return drawLogicCircuit(size, LogicValve::TwoPressure, frames[frame]);
}

QImage drawLogicSymbol(QSize size, LogicValve kind)
{
    QImage picture = blankPicture(size);
    PicturePainter p(&picture);
    const LogicValveBody &body = kSymbolBody;
    const QPoint inletOut(kSymbolInletLength, 0);
    drawWire(p, {body.leftInlet() - inletOut, body.leftInlet()}, Colour::Black);
    drawWire(p, {body.rightInlet(), body.rightInlet() + inletOut}, Colour::Black);
    drawWire(p, {body.outlet(), {body.outlet().x(), kSymbolOutletTop}}, Colour::Black);
    if (kind == LogicValve::Shuttle)
        drawShuttleValve(p, body, BallSeat::Right, {});
    else
        drawTwoPressureValve(p, body, ShuttlePosition::Middle, {});
    return picture;
}

} // namespace

QList<ArtworkEntry> logicValveCircuitArtwork()
{
    return {
        {PageName::NonReturnValve, "picCircuitAntiretorn", drawCheckValveCircuit},
        {PageName::NonReturnValve, "imgSimbolAntiretorn", [](int, QSize size) { return drawCheckValveSymbol(size); }},
        {PageName::ShuttleValve, "picCircuitSelectora", drawShuttleCircuit},
        {PageName::ShuttleValve, "imgSimbolSelectora", [](int, QSize size) { return drawLogicSymbol(size, LogicValve::Shuttle); }},
        {PageName::TwoPressureValve, "picCircuitSimultaneïtat", drawTwoPressureCircuit},
        {PageName::TwoPressureValve, "imgSimbolSimultaneïtat",
         [](int, QSize size) { return drawLogicSymbol(size, LogicValve::TwoPressure); }},
    };
}
