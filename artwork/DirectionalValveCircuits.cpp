// SPDX-License-Identifier: GPL-3.0-or-later
// The circuit animations and symbols of the three push-button directional valves:
// a 3/2 valve driving a single-acting cylinder, and 4/2 and 5/2 valves driving a
// double-acting cylinder. Each circuit frame draws the same layout; only the
// valve's position, the colours of the air and the piston's stroke change.
#include "Artwork.h"
#include "PageNames.h"

#include "Canvas.h"
#include "Palette.h"
#include "SymbolParts.h"

namespace {

// Layout shared by the three circuits (the box shows 257 x 265 pixels).
constexpr QRect kBarrel(60, 46, 108, 44);
constexpr int kLineRunY = 122;        // the lines from the cylinder turn here towards the valve
constexpr QPoint kPortSquare(94, 152);
constexpr int kSquare = 60;
constexpr int kExhaustStub = 8;
constexpr int kSupplyStub = 24;

// The symbol pictures (186 x 106).
constexpr QPoint kSymbolPortSquare(43, 20);
constexpr int kSymbolSquare = 52;
constexpr int kSymbolTopStub = 14;

struct CircuitFrame {
    bool pressed;
    int stroke;
    int boxShift = 0;  // how far right of the other frames' box this frame's box stands
};

CylinderSpec singleActingCylinder()
{
    return {.barrel = kBarrel, .rodLength = 120, .returnSpring = true};
}

CylinderSpec doubleActingCylinder()
{
    return {.barrel = kBarrel, .rodLength = 107};
}

ValveDrawing circuitValve(bool pressed, QHash<QString, Air> air)
{
    return {.portSquare = kPortSquare, .squareSize = kSquare, .pressed = pressed, .air = std::move(air)};
}

ValveDrawing symbolValve()
{
    return {.portSquare = kSymbolPortSquare, .squareSize = kSymbolSquare, .springLength = 22, .buttonLength = 18};
}

// The line from a cylinder port down and across to a port on the valve's top edge.
void drawCylinderLine(QPainter &p, QPoint cylinderPort, QPoint valvePort, Air air)
{
    drawWire(p, {cylinderPort, {cylinderPort.x(), kLineRunY}, {valvePort.x(), kLineRunY}, valvePort}, lineColour(air));
}

QImage drawCircuit(QSize size, const ValveSymbolSpec &valve, const CylinderSpec &cylinder, const CircuitFrame &frame,
                   const QHash<QString, Air> &air)
{
    QImage picture = blankPicture(size);
    PicturePainter p(&picture);
    // Drawn that much further left, the circuit stays in its place on screen.
    p.translate(-frame.boxShift, 0);
    const Air capSide = air.value(QStringLiteral("A"));
    const Air rodSide = cylinder.returnSpring ? Air::None : air.value(QStringLiteral("B"));
    drawCylinder(p, cylinder, {frame.stroke, capSide, rodSide});

    const ValveDrawing drawing = circuitValve(frame.pressed, air);
    const QPoint portA = valvePortPoint(valve, drawing, QStringLiteral("A"));
    drawCylinderLine(p, capPort(cylinder), portA, capSide);
    if (!cylinder.returnSpring)
        drawCylinderLine(p, rodPort(cylinder), valvePortPoint(valve, drawing, QStringLiteral("B")), rodSide);
    letterValveTopPorts(p, valve, drawing, -13, 14);
    drawValveBottomPorts(p, valve, drawing, drawing.air, kExhaustStub, kSupplyStub, 14);
    drawValveSymbol(p, valve, drawing);
    return picture;
}

QImage drawSymbol(QSize size, const ValveSymbolSpec &valve)
{
    QImage picture = blankPicture(size);
    PicturePainter p(&picture);
    const ValveDrawing drawing = symbolValve();
    for (const ValvePort &port : valve.ports) {
        if (port.edge != Edge::Top)
            continue;
        const QPoint point = valvePortPoint(valve, drawing, port.name);
        drawWire(p, {point, point - QPoint(0, kSymbolTopStub)}, Colour::Black);
    }
    letterValveTopPorts(p, valve, drawing, -kSymbolTopStub / 2 - 2, 13);
    drawValveBottomPorts(p, valve, drawing, drawing.air, 4, 16, 13);
    drawValveSymbol(p, valve, drawing);
    return picture;
}

// 3/2: at rest A is exhausted through R and P is closed; pressed, P fills the
// cylinder and the piston moves out against its return spring. The supply is
// always on: the line from the pressure source is under pressure up to the
// closed valve, as in the section drawing. R carries air only while it exhausts.
QImage drawCircuit32(int frame, QSize size)
{
    static constexpr CircuitFrame frames[] = {{false, 0}, {true, 14}, {true, 32}, {true, 50}, {true, 68}};
    const CircuitFrame &f = frames[frame];
    const QHash<QString, Air> air = f.pressed
        ? QHash<QString, Air>{{"A", Air::Pressure}, {"P", Air::Pressure}, {"R", Air::None}}
        : QHash<QString, Air>{{"A", Air::Exhaust}, {"P", Air::Pressure}, {"R", Air::Exhaust}};
    return drawCircuit(size, threeTwoValve(), singleActingCylinder(), f, air);
}

// The 4/2 and 5/2 circuits press and release once a cycle, second by second with
// the valve in section on the page: at rest with the piston in; pressed and held
// for three seconds while the piston goes out, reaching the end in the third;
// released for three while it comes back in, reaching home in the last. The valve
// changes over at once, as the symbol shows it.
constexpr CircuitFrame kPressAndRelease[] = {{false, 0}, {true, 27}, {true, 55}, {true, 82}, {false, 55}, {false, 27}};

// 4/2: at rest P holds the piston in through B; pressed, P drives it out through A
// and the rod side empties through T.
QImage drawCircuit42(int frame, QSize size)
{
    const CircuitFrame &f = kPressAndRelease[frame];
    const QHash<QString, Air> air = f.pressed
        ? QHash<QString, Air>{{"A", Air::Pressure}, {"B", Air::Exhaust}, {"P", Air::Pressure}, {"T", Air::Exhaust}}
        : QHash<QString, Air>{{"A", Air::Exhaust}, {"B", Air::Pressure}, {"P", Air::Pressure}, {"T", Air::Exhaust}};
    return drawCircuit(size, fourTwoValve(QStringLiteral("T")), doubleActingCylinder(), f, air);
}

// 5/2: as the 4/2, but each cylinder side has its own exhaust: A empties through T,
// B through R. Frames 4 and 5 stand in boxes 8 pixels right of the others.
QImage drawCircuit52(int frame, QSize size)
{
    CircuitFrame f = kPressAndRelease[frame];
    if (frame >= 4)
        f.boxShift = 8;
    const QHash<QString, Air> air = f.pressed
        ? QHash<QString, Air>{{"A", Air::Pressure}, {"B", Air::Exhaust}, {"P", Air::Pressure}, {"R", Air::Exhaust},
                              {"T", Air::None}}
        : QHash<QString, Air>{{"A", Air::Exhaust}, {"B", Air::Pressure}, {"P", Air::Pressure}, {"R", Air::None},
                              {"T", Air::Exhaust}};
    return drawCircuit(size, fiveTwoValve(), doubleActingCylinder(), f, air);
}

} // namespace

QList<ArtworkEntry> directionalValveCircuitArtwork()
{
    return {
        {PageName::Valve32, "picCircuit32", drawCircuit32},
        {PageName::Valve32, "Image1", [](int, QSize size) { return drawSymbol(size, threeTwoValve()); }},
        {PageName::Valve42, "picCircuit42", drawCircuit42},
        {PageName::Valve42, "imgSimbol4_2",
         [](int, QSize size) { return drawSymbol(size, fourTwoValve(QStringLiteral("T"))); }},
        {PageName::Valve52, "picCircuit52", drawCircuit52},
        {PageName::Valve52, "imgSimbol5_2", [](int, QSize size) { return drawSymbol(size, fiveTwoValve()); }},
    };
}
