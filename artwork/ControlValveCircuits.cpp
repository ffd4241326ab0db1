// SPDX-License-Identifier: GPL-3.0-or-later
// The circuit animations and symbols of the three control valve pages: a quick
// exhaust valve speeding up a double-acting cylinder, a pressure-relief valve
// guarding a single-acting one, and a one-way flow control valve slowing the return
// of a double-acting one. Each circuit frame draws the same layout; only the valve's
// position, the colours of the air, the piston's stroke and the moving parts of the
// control valve change.
#include "Artwork.h"
#include "PageNames.h"

#include "Canvas.h"
#include "ControlSymbolParts.h"
#include "Palette.h"
#include "SymbolParts.h"

namespace {

// Shared by the three circuits (the box shows 257 x 265 pixels): the directional
// valve stands where it stands in the directional valve circuits.
constexpr QPoint kPortSquare(94, 152);
constexpr int kSquare = 60;
constexpr int kLineRunY = 122;        // the line to port A turns here towards the valve
constexpr int kExhaustStub = 8;
constexpr int kSupplyStub = 24;
constexpr int kLetterSize = 14;

ValveDrawing circuitValve(bool pressed, QHash<QString, Air> air)
{
    return {.portSquare = kPortSquare, .squareSize = kSquare, .pressed = pressed, .air = std::move(air)};
}

// The valve with its lettered ports; the stubs under it carry the air of their arrows.
void drawDirectionalValve(QPainter &p, const ValveSymbolSpec &valve, const ValveDrawing &drawing)
{
    letterValveTopPorts(p, valve, drawing, -13, kLetterSize);
    drawValveBottomPorts(p, valve, drawing, drawing.air, kExhaustStub, kSupplyStub, kLetterSize);
    drawValveSymbol(p, valve, drawing);
}

// ---- Quick exhaust valve -------------------------------------------------------------

// The quick exhaust valve sits on the line from B, its outlet straight under the rod
// end of a cylinder whose piston travels its whole bore (75 pixels).
constexpr CylinderSpec kQuickExhaustCylinder{.barrel = QRect(77, 28, 101, 44), .rodLength = 107};
constexpr QRect kQuickExhaustBody(146, 92, 54, 28);
constexpr int kQuickExhaustSprayReach = 22;

// One second of the circuit, in step with the section on the same page: the quick
// exhaust valve's P is the line from B, its A the rod end.
struct QuickExhaustFrame {
    bool pressed;
    int stroke;
    QuickExhaustBall ball;
    QRgb bLine;         // from B to the ball's seat (to the ball while it crosses)
    QRgb rodEnd;        // the rod-end chamber, its line and the valve's middle
    QRgb exhaustLine;   // inside the valve, on to the exhaust
    int spray;          // 0: nothing leaves the exhaust
};

constexpr QRgb kRed = Colour::Red;
constexpr QRgb kBlue = Colour::Blue;
constexpr QRgb kIdle = Colour::Black;

// Frames 0 to 3: the button released, B is fed again; its air drives the ball
// across onto the exhaust seat and passes to the rod end, and the piston goes back
// in three seconds, the cap end's air leaving through the directional valve. Frames
// 3 to 5: the button sends P to the cap end and lets B out through T (the line from B
// at atmospheric pressure, as the section's P); the air held in the rod end drives
// the ball back onto B's seat and leaves straight through the valve's own exhaust,
// so nothing returns through the directional valve and the piston is out within
// the second.
constexpr QuickExhaustFrame kQuickExhaustFrames[6] = {
    {false, 75, QuickExhaustBall::Crossing, kRed, kBlue, kBlue, 0},
    {false, 50, QuickExhaustBall::ClosesExhaust, kRed, kRed, kIdle, 0},
    {false, 25, QuickExhaustBall::ClosesExhaust, kRed, kRed, kIdle, 0},
    {true, 0, QuickExhaustBall::ClosesExhaust, kBlue, kRed, kIdle, 0},
    {true, 75, QuickExhaustBall::Crossing, kBlue, kBlue, kBlue, 8},
    {true, 75, QuickExhaustBall::ClosesSupply, kBlue, kBlue, kBlue, kQuickExhaustSprayReach},
};

Air airOf(QRgb colour)
{
    return colour == kRed ? Air::Pressure : colour == kBlue ? Air::Exhaust : Air::None;
}

QImage drawQuickExhaustCircuit(int frame, QSize size)
{
    QImage picture = blankPicture(size);
    const QuickExhaustFrame &state = kQuickExhaustFrames[frame];
    const CylinderSpec &cylinder = kQuickExhaustCylinder;
    const ValveSymbolSpec valve = fourTwoValve(QStringLiteral("T"));
    const QHash<QString, Air> air = state.pressed
        ? QHash<QString, Air>{{"A", Air::Pressure}, {"B", Air::Exhaust}, {"P", Air::Pressure}, {"T", Air::Exhaust}}
        : QHash<QString, Air>{{"A", Air::Exhaust}, {"B", Air::Pressure}, {"P", Air::Pressure}, {"T", Air::Exhaust}};
    const ValveDrawing drawing = circuitValve(state.pressed, air);
    const QuickExhaustValve quick{.body = kQuickExhaustBody, .ball = state.ball, .supply = state.bLine,
                                  .outlet = state.rodEnd, .exhaust = state.exhaustLine, .seatArm = 7,
                                  .ballRadius = 5};
    {
        PicturePainter p(&picture);
        const Air capSide = state.pressed ? Air::Pressure : Air::Exhaust;
        drawCylinder(p, cylinder, {state.stroke, capSide, airOf(state.rodEnd)});

        const QPoint portA = valvePortPoint(valve, drawing, QStringLiteral("A"));
        const QPoint cap = capPort(cylinder);
        drawWire(p, {cap, {cap.x(), kLineRunY}, {portA.x(), kLineRunY}, portA}, lineColour(capSide));

        const QPoint portB = valvePortPoint(valve, drawing, QStringLiteral("B"));
        const QPoint supply = quickExhaustSupplyPort(quick);
        drawWire(p, {portB, {portB.x(), supply.y()}, supply}, quick.supply);
        drawWire(p, {rodPort(cylinder), quickExhaustOutletPort(quick)}, quick.outlet);
        drawQuickExhaustValve(p, quick);

        const Orientation out{quickExhaustTriangleTip(quick), {1, 0}, {0, -1}};
        if (state.spray > 0) {
            drawFlowArrow(p, out.at(3, 0), out.at(17, 0), Colour::Blue, kLineWidth, 7, 4);
            drawSpray(p, out, 19, state.spray, kQuickExhaustSprayReach, 10, Colour::Blue);
        }
        drawDirectionalValve(p, valve, drawing);
    }
    return picture;
}

QImage drawQuickExhaustSymbol(QSize size)
{
    QImage picture = blankPicture(size);
    PicturePainter p(&picture);
    const QuickExhaustValve valve{.body = QRect(33, 36, 68, 28), .seatArm = 8, .ballRadius = 6, .exhaustHalfWidth = 7};
    const QPoint supply = quickExhaustSupplyPort(valve);
    const QPoint outlet = quickExhaustOutletPort(valve);
    drawWire(p, {supply, supply - QPoint(22, 0)}, Colour::Black);
    drawWire(p, {outlet, outlet - QPoint(0, 28)}, Colour::Black);
    drawQuickExhaustValve(p, valve);
    drawPortLetter(p, supply + QPoint(-16, -11), QStringLiteral("P"), 13);
    drawPortLetter(p, quickExhaustTriangleTip(valve) + QPoint(8, -11), QStringLiteral("R"), 13);
    drawPortLetter(p, outlet + QPoint(-11, -21), QStringLiteral("A"), 13);
    return picture;
}

// ---- Pressure-relief valve -----------------------------------------------------------

// The single-acting cylinder of the directional valve circuits, a little higher to
// make room for the gauge and the relief valve on the branch from the line to A.
constexpr CylinderSpec kLimiterCylinder{.barrel = QRect(60, 28, 108, 44), .rodLength = 120, .returnSpring = true};
constexpr QPoint kGaugeCentre(160, 98);
constexpr int kGaugeRadius = 12;
constexpr QPoint kReliefInlet(194, kLineRunY);

// One second of the circuit, in step with the section on the same page.
struct LimiterFrame {
    int stroke;
    double needle;      // the gauge's needle, degrees from straight up
    int sprayReach;     // 0: the relief valve is closed
};

// At rest the cylinder is exhausted through R. The button sends P to the cylinder,
// which runs out at working pressure in three seconds; stopped at the end of its
// stroke, the pressure climbs to the setting and opens the relief valve, which blows
// the excess away for as long as the button is held.
constexpr LimiterFrame kLimiterFrames[6] = {
    {0, -50, 0}, {23, 0, 0}, {46, 0, 0}, {68, 50, 5}, {68, 50, 11}, {68, 50, 46},
};
constexpr int kLimiterFullSpray = 46;

ReliefValve circuitReliefValve(bool open, QRgb pilot)
{
    // Lying in the circuit: inlet on the left, exhaust on the right, pilot underneath
    // and the spring on top.
    return {.o = {kReliefInlet, {1, 0}, {0, 1}},
            .size = 30,
            .open = open,
            .pilot = pilot,
            .flow = open ? Colour::Red : Colour::Black,
            .exhaust = open ? Colour::Blue : Colour::Black,
            .pilotTap = 10,
            .pilotOut = 8,
            .springLength = 22};
}

QImage drawLimiterCircuit(int frame, QSize size)
{
    QImage picture = blankPicture(size);
    const LimiterFrame &state = kLimiterFrames[frame];
    const bool pressed = frame > 0;
    const bool relieving = state.sprayReach > 0;
    const CylinderSpec &cylinder = kLimiterCylinder;
    const ValveSymbolSpec valve = threeTwoValve();
    const ValveDrawing drawing = circuitValve(
        pressed, pressed ? QHash<QString, Air>{{"A", Air::Pressure}, {"P", Air::Pressure}, {"R", Air::None}}
                         : QHash<QString, Air>{{"A", Air::Exhaust}, {"P", Air::Pressure}, {"R", Air::Exhaust}});
    const QRgb air = pressed ? Colour::Red : Colour::Blue;
    {
        PicturePainter p(&picture);
        drawCylinder(p, cylinder, {state.stroke, pressed ? Air::Pressure : Air::Exhaust, Air::None});

        const QPoint portA = valvePortPoint(valve, drawing, QStringLiteral("A"));
        const QPoint cap = capPort(cylinder);
        drawWire(p, {cap, {cap.x(), kLineRunY}, {portA.x(), kLineRunY}, portA}, air);
        drawWire(p, {{portA.x(), kLineRunY}, kReliefInlet}, air);
        drawJunction(p, {portA.x(), kLineRunY}, air);
        drawWire(p, {{kGaugeCentre.x(), kLineRunY}, kGaugeCentre}, air);
        drawJunction(p, {kGaugeCentre.x(), kLineRunY}, air);
        drawPressureGauge(p, kGaugeCentre, kGaugeRadius, state.needle);

        const ReliefValve relief = circuitReliefValve(relieving, air);
        drawReliefValve(p, relief);
        if (relieving)
            drawSpray(p, relief.o, reliefExhaustTip(relief) + 2, state.sprayReach, kLimiterFullSpray, 14,
                      Colour::Blue);
        drawDirectionalValve(p, valve, drawing);
    }
    return picture;
}

QImage drawLimiterSymbol(QSize size)
{
    QImage picture = blankPicture(size);
    PicturePainter p(&picture);
    // Standing: inlet from the top, exhaust underneath, pilot on the left, spring on the right.
    const ReliefValve relief{.o = {{47, 28}, {0, 1}, {-1, 0}}, .size = 32, .pilotTap = 12, .pilotOut = 10,
                             .exhaustStub = 5, .exhaustHalfWidth = 7, .springLength = 24, .springPeaks = 3};
    drawWire(p, {relief.o.origin, relief.o.origin - QPoint(0, 24)}, Colour::Black);
    drawReliefValve(p, relief);
    return picture;
}

// ---- One-way flow control valve ------------------------------------------------------

// The double-acting cylinder travels its whole bore in 69 pixels; the flow control
// valve stands on the line to its cap end, free upwards and throttled downwards.
// Out, the air passes the non-return valve freely and the piston is out in two
// seconds; back, the cap end's air must squeeze past the throttle and the piston
// takes six: three times slower.
constexpr CylinderSpec kRegulatorCylinder{.barrel = QRect(66, 12, 95, 44), .rodLength = 107};
constexpr int kRegulatorStrokes[] = {0, 35, 69, 69, 69, 69, 58, 46, 35, 23, 12, 0};
constexpr int kRegulatorValveBottom = 116;   // the lower junction of the flow control valve
constexpr int kRegulatorValveTop = 64;

struct RegulatorColours {
    Air valveA, valveB, valveP, valveT, valveR;
    QRgb aLine, checkBranch, loop, capEnd, bLine;
    bool checkPassing;   // air flows through the non-return valve
};

RegulatorColours regulatorColours(int frame)
{
    // Pressed: P fills the cap end through the non-return valve (and the throttle
    // beside it) while the piston runs out, in frames 1 and 2; stopped at the end of
    // its stroke, nothing flows and the spring closes the non-return valve again.
    if (frame >= 1 && frame <= 5)
        return {Air::Pressure, Air::Exhaust, Air::Pressure, Air::None, Air::Exhaust,
                Colour::Red,    Colour::Red, Colour::Red,    Colour::Red, Colour::Blue, frame <= 2};
    // At rest: P holds the piston in through B and the cap end lies open to T; on the
    // way back its air leaves through the throttle, the non-return branch idle.
    return {Air::Exhaust, Air::Pressure, Air::Pressure, Air::Exhaust, Air::None,
            Colour::Blue,  Colour::Black,  Colour::Blue,   Colour::Blue, Colour::Red, false};
}

FlowControlValve circuitFlowControlValve(QRgb checkBranch, QRgb loop, bool passing)
{
    const QPoint lower(capPort(kRegulatorCylinder).x(), kRegulatorValveBottom);
    // Standing: free flow upwards, the throttle loop on the left.
    return {.o = {lower, {0, -1}, {-1, 0}},
            .length = kRegulatorValveBottom - kRegulatorValveTop,
            .loopOffset = 26,
            .checkBranch = checkBranch,
            .loop = loop,
            .checkElement = passing ? Colour::Purple : Colour::Black,
            .seatArm = 10,
            .ballRadius = 6,
            .springLength = 16,
            .springHalfWidth = 5,
            .throttleHalfLength = 10,
            .throttleGap = 3,
            .throttleSag = 4};
}

// Frame 0: at rest, the piston held in. Frames 1 to 5: the button sends P through the
// non-return valve to the cap end; the piston runs out fast and stays out. Frames 6
// to 11: at rest again, P drives the piston back, and the air leaving the cap end
// must pass the throttle, so the return is slow.
QImage drawRegulatorCircuit(int frame, QSize size)
{
    QImage picture = blankPicture(size);
    PicturePainter p(&picture);
    const RegulatorColours c = regulatorColours(frame);
    const bool pressed = frame >= 1 && frame <= 5;
    const CylinderSpec &cylinder = kRegulatorCylinder;
    const ValveSymbolSpec valve = fiveTwoValve();
    const ValveDrawing drawing = circuitValve(
        pressed, {{"A", c.valveA}, {"B", c.valveB}, {"P", c.valveP}, {"T", c.valveT}, {"R", c.valveR}});

    const Air capSide = c.capEnd == Colour::Red ? Air::Pressure : Air::Exhaust;
    const Air rodSide = c.bLine == Colour::Red ? Air::Pressure : Air::Exhaust;
    drawCylinder(p, cylinder, {kRegulatorStrokes[frame], capSide, rodSide});

    const QPoint cap = capPort(cylinder);
    const QPoint portA = valvePortPoint(valve, drawing, QStringLiteral("A"));
    drawWire(p, {cap, {cap.x(), kRegulatorValveTop}}, c.aLine);
    drawWire(p, {{cap.x(), kRegulatorValveBottom}, {cap.x(), kLineRunY}, {portA.x(), kLineRunY}, portA}, c.aLine);
    drawFlowControlValve(p, circuitFlowControlValve(c.checkBranch, c.loop, c.checkPassing));

    const QPoint rod = rodPort(cylinder);
    const QPoint portB = valvePortPoint(valve, drawing, QStringLiteral("B"));
    drawWire(p, {portB, {portB.x(), kLineRunY}, {rod.x(), kLineRunY}, rod}, c.bLine);

    drawDirectionalValve(p, valve, drawing);
    return picture;
}

QImage drawRegulatorSymbol(QSize size)
{
    QImage picture = blankPicture(size);
    PicturePainter p(&picture);
    const FlowControlValve regulator{.o = {{34, 57}, {1, 0}, {0, -1}},
                                     .length = 66,
                                     .loopOffset = 30,
                                     .seatArm = 11,
                                     .ballRadius = 6,
                                     .springLength = 18,
                                     .springHalfWidth = 6,
                                     .springPeaks = 3,
                                     .throttleHalfLength = 10,
                                     .throttleGap = 3,
                                     .throttleSag = 4};
    drawWire(p, {{12, 57}, {34, 57}}, Colour::Black);
    drawWire(p, {{100, 57}, {122, 57}}, Colour::Black);
    drawFlowControlValve(p, regulator);
    return picture;
}

} // namespace

QList<ArtworkEntry> controlValveCircuitArtwork()
{
    return {
        {PageName::QuickExhaustValve, "picCircuitEscapamentRàpid", drawQuickExhaustCircuit},
        {PageName::QuickExhaustValve, "imgSimbol4_2", [](int, QSize size) { return drawQuickExhaustSymbol(size); }},
        {PageName::LimitingValve, "picCircuitLimit", drawLimiterCircuit},
        {PageName::LimitingValve, "imgSimbolLimit", [](int, QSize size) { return drawLimiterSymbol(size); }},
        {PageName::FlowRegulator, "picCircuitReguladora", drawRegulatorCircuit},
        {PageName::FlowRegulator, "imgSimbolReguladora", [](int, QSize size) { return drawRegulatorSymbol(size); }},
    };
}
