// SPDX-License-Identifier: GPL-3.0-or-later
// The two compressor pages: a single-cylinder piston compressor turning through one
// revolution in eight frames, a vane compressor turning by one vane spacing in six
// frames, and the compressor symbol both pages share.
#include "Artwork.h"
#include "PageNames.h"
#include "Canvas.h"
#include "CompressorParts.h"
#include "DrawingBasics.h"
#include "Palette.h"

#include <cmath>

namespace {

constexpr double kDegree = M_PI / 180.0;

// ---- Piston compressor --------------------------------------------------------
// Upright in section: the head with its two poppet valves and their passages at the
// top, the finned cylinder, the piston on its connecting rod, and the crank in the
// round crankcase standing on its foot. Columns and rows are pixels of the picture.

constexpr int kAxis = 133;                 // the cylinder's axis runs through this column
constexpr int kBoreLeft = 74;
constexpr int kBoreRight = 192;
constexpr int kBoreTop = 70;               // first row under the head
constexpr int kHeadTop = 28;
constexpr int kPassageTop = 37;            // rows of the inlet and outlet passages
constexpr int kPassageBottom = 54;
constexpr int kInletValve = 104;           // axis of each valve
constexpr int kOutletValve = 162;
constexpr int kValveLift = 6;
constexpr int kPistonHeight = 54;
constexpr int kPinDepth = 24;              // from the piston's top to the gudgeon pin
constexpr double kCrankRadius = 45;
constexpr double kRodLength = 140;
constexpr int kShaftRow = kBoreTop - 1 + kPinDepth + int(kRodLength + kCrankRadius);
constexpr double kCrankcaseInner = 66;
constexpr double kCrankcaseOuter = 80;

const QPointF kShaft(kAxis + 0.5, kShaftRow + 0.5);

// What changes from frame to frame besides the crank's angle. The inlet passage
// always holds air at atmospheric pressure and the outlet passage compressed air;
// the arrows mark where air flows, through an open valve.
struct PistonFrame {
    bool inletOpen;
    bool outletOpen;
    QRgb cylinderAir;
};

constexpr QRgb kAtmospheric = Colour::Blue;
constexpr QRgb kCompressed = Colour::Red;

// The crank turns 45 degrees anticlockwise a frame, starting at top dead centre.
// Going down the piston draws air in: the inlet valve opens into the cylinder.
// From bottom dead centre both valves stay shut while the piston compresses the
// trapped air; once its pressure beats the line's, it lifts the outlet valve off its
// seat into the outlet passage and the piston pushes the air out.
const PistonFrame kPistonFrames[8] = {
    // inlet  outlet  air in the cylinder
    {false, false, kCompressed},     // top dead centre: the last of the delivery
    {true, false, kAtmospheric},     // suction
    {true, false, kAtmospheric},
    {true, false, kAtmospheric},
    {false, false, kAtmospheric},    // bottom dead centre: the cylinder full, both shut
    {false, false, kCompressed},     // compression
    {false, true, kCompressed},      // delivery
    {false, true, kCompressed},
};

// Where the crank pin is when the crank has turned `degrees` anticlockwise from
// straight up.
QPointF crankPin(double degrees)
{
    return kShaft + kCrankRadius * QPointF(-std::sin(degrees * kDegree), -std::cos(degrees * kDegree));
}

// The first row of the piston: the gudgeon pin stays on the axis at the rod's
// length from the crank pin.
int pistonTop(double degrees)
{
    const QPointF pin = crankPin(degrees);
    const double dx = pin.x() - kShaft.x();
    const double pinRow = pin.y() - std::sqrt(kRodLength * kRodLength - dx * dx);
    return int(std::lround(pinRow - 0.5)) - kPinDepth;
}

// The valve's seat in the head: a throat under the passage widening into a conical
// recess in the roof of the cylinder, which the closed valve's head fills.
QPainterPath valveHeadShape(int axis, int top)
{
    const double x = axis + 0.5;
    const double y = top;
    return polygonShape({{x - 10.5, y}, {x + 10.5, y}, {x + 18.5, y + 4}, {x + 18.5, y + 8}, {x - 18.5, y + 8}, {x - 18.5, y + 4}});
}

constexpr int kSeatTop = kBoreTop - 8;

Shape cylinderBody()
{
    Shape body = {pixelRect(QRect(QPoint(58, kBoreTop - 2), QPoint(208, 240))),
                  pixelRect(QRect(QPoint(44, kBoreTop - 2), QPoint(222, kBoreTop + 8)))};
    for (int fin = kBoreTop + 16; fin + 5 < kShaftRow - kCrankcaseOuter - 6; fin += 12)
        body << pixelRect(QRect(QPoint(46, fin), QPoint(220, fin + 5)));
    body << disk(kShaft, kCrankcaseOuter);
    // The foot the crankcase stands on.
    body << pixelRect(QRect(QPoint(80, kShaftRow + 50), QPoint(186, kShaftRow + 84)))
         << pixelRect(QRect(QPoint(36, kShaftRow + 83), QPoint(230, kShaftRow + 96)));
    return body;
}

// The outlet valve sits on its seat from above, in the outlet passage; its spring
// lives in a bonnet on the head and presses it down through a collar on its stem.
constexpr int kBonnetTop = 1;
constexpr int kBonnetHalf = 15;
constexpr int kBonnetInsideTop = 6;
constexpr int kBonnetInsideHalf = 10;
constexpr int kSeatThroatHalf = 10;      // the bore from the cylinder up to the outlet seat

Shape headBody()
{
    Shape head = {pixelRect(QRect(QPoint(40, kHeadTop), QPoint(226, kBoreTop - 1))),
                  // the inlet and outlet pipes, cut off at the picture's edges
                  pixelRect(QRect(QPoint(0, kPassageTop - 6), QPoint(42, kPassageBottom + 6))),
                  pixelRect(QRect(QPoint(224, kPassageTop - 6), QPoint(266, kPassageBottom + 6))),
                  // the spring seat round the inlet valve's guide
                  pixelRect(QRect(QPoint(kInletValve - 12, kHeadTop - 4), QPoint(kInletValve + 12, kHeadTop))),
                  // the outlet valve's bonnet
                  pixelRect(QRect(QPoint(kOutletValve - kBonnetHalf, kBonnetTop), QPoint(kOutletValve + kBonnetHalf, kHeadTop)))};
    return head;
}

// The inlet valve hangs in a conical seat in the roof of the cylinder; a spring
// between the head and the retainer on top of its stem holds it up, shut. The air
// outside pushes it down into the cylinder when the piston draws.
void drawInletValve(QPainter &p, bool open)
{
    const int axis = kInletValve;
    const int lift = open ? kValveLift : 0;
    const int retainerTop = 2 + lift;
    drawSolid(p, {valveHeadShape(axis, kSeatTop + lift),
                  pixelRect(QRect(QPoint(axis - 3, retainerTop), QPoint(axis + 3, kSeatTop + lift + 1)))},
              Colour::MidGrey);
    drawUprightSpring(p, QRect(QPoint(axis - 9, retainerTop + 4), QPoint(axis + 9, kHeadTop - 5)), 3);
    drawSolid(p, {pixelRect(QRect(QPoint(axis - 12, retainerTop), QPoint(axis + 12, retainerTop + 3)))}, Colour::MidGrey);
}

// The outlet valve: a disc on the seat at the mouth of the bore from the cylinder,
// lifted into the outlet passage when the air in the cylinder pushes harder than
// its spring and the line's pressure together.
void drawOutletValve(QPainter &p, bool open)
{
    const int axis = kOutletValve;
    const int lift = open ? kValveLift : 0;
    const double x = axis + 0.5;
    const int discTop = kPassageBottom - 7 - lift;
    const int collarTop = 23 - lift;
    drawSolid(p, {polygonShape({{x - 15, double(discTop)}, {x + 15, double(discTop)}, {x + 15, discTop + 5.0},
                                {x + 12, discTop + 8.0}, {x - 12, discTop + 8.0}, {x - 15, discTop + 5.0}}),
                  // the stem runs on up through the spring, clear of the bonnet's roof
                  pixelRect(QRect(QPoint(axis - 3, kBonnetInsideTop + kValveLift - lift), QPoint(axis + 3, discTop)))},
              Colour::MidGrey);
    drawUprightSpring(p, QRect(QPoint(axis - 7, kBonnetInsideTop), QPoint(axis + 7, collarTop - 1)), 3);
    drawSolid(p, {pixelRect(QRect(QPoint(axis - 9, collarTop), QPoint(axis + 9, collarTop + 3)))}, Colour::MidGrey);
}

void drawPiston(QPainter &p, int top)
{
    const int bottom = top + kPistonHeight - 1;
    const int left = kBoreLeft - 1;
    const int right = kBoreRight + 1;
    drawSolid(p, {pixelRect(QRect(QPoint(left, top), QPoint(right, top + 13))),
                  pixelRect(QRect(QPoint(left, top), QPoint(left + 12, bottom))),
                  pixelRect(QRect(QPoint(right - 12, top), QPoint(right, bottom)))},
              Colour::MidGrey);
    // Three rings in their grooves on either side.
    for (int ring = 0; ring < 3; ++ring) {
        const int row = top + 3 + 5 * ring;
        p.fillRect(QRect(left, row, 4, 3), QColor::fromRgb(Colour::Black));
        p.fillRect(QRect(right - 3, row, 4, 3), QColor::fromRgb(Colour::Black));
    }
}

void drawCrankAndRod(QPainter &p, double degrees, int top)
{
    const QPointF pin = crankPin(degrees);
    const QPointF gudgeon(kAxis + 0.5, top + kPinDepth + 0.5);

    // The crank web with its counterweight opposite the pin.
    const QPointF towardsPin = (pin - kShaft) / kCrankRadius;
    drawSolid(p, {disk(kShaft, 24), disk(pin, 15), taperedBar(kShaft, pin, 16, 12), disk(kShaft - towardsPin * 12, 32)},
              Colour::MidGrey);

    drawSolid(p, {disk(gudgeon, 11), disk(pin, 17), taperedBar(gudgeon, pin, 6, 8)}, Colour::MidGrey);
    drawSolid(p, {disk(gudgeon, 6)}, Colour::LightGrey);
    drawSolid(p, {disk(pin, 8)}, Colour::LightGrey);
    drawSolid(p, {disk(kShaft, 11)}, Colour::LightGrey);
    drawSolid(p, {disk(kShaft, 3)}, Colour::Black);
}

QImage drawPistonCompressor(int frame, QSize size)
{
    const PistonFrame &state = kPistonFrames[frame];
    const double degrees = 45.0 * frame;
    const int top = pistonTop(degrees);

    QImage picture = blankPicture(size);
    PicturePainter p(&picture);
    drawSolid(p, cylinderBody(), Colour::LightGrey, 2);
    drawSolid(p, headBody(), Colour::LightGrey, 2);

    // The crankcase under the piston is no part of the air's way: drawn empty.
    QList<ShapedHollow> hollows = {
        {{pixelRect(QRect(QPoint(kBoreLeft, kBoreTop), QPoint(kBoreRight, kShaftRow - 30))), disk(kShaft, kCrankcaseInner)},
         Colour::White},
        {{pixelRect(QRect(QPoint(0, kPassageTop), QPoint(kInletValve + 13, kPassageBottom))),
          pixelRect(QRect(QPoint(kInletValve - 10, kPassageBottom), QPoint(kInletValve + 10, kSeatTop)))},
         kAtmospheric},
        {{pixelRect(QRect(QPoint(kOutletValve - 20, kPassageTop), QPoint(size.width() - 1, kPassageBottom)))}, kCompressed},
        {{pixelRect(QRect(QPoint(kBoreLeft, kBoreTop), QPoint(kBoreRight, top - 1))), valveHeadShape(kInletValve, kSeatTop),
          pixelRect(QRect(QPoint(kOutletValve - kSeatThroatHalf, kPassageBottom + 1), QPoint(kOutletValve + kSeatThroatHalf, kBoreTop - 1)))},
         state.cylinderAir},
        {{pixelRect(QRect(QPoint(kOutletValve - kBonnetInsideHalf, kBonnetInsideTop), QPoint(kOutletValve + kBonnetInsideHalf, kHeadTop - 1)))},
         Colour::White},
    };
    // Bolt holes in the foot.
    for (int x : {44, 215})
        hollows.append({{pixelRect(QRect(x, kShaftRow + 86, 8, 8))}, Colour::White});
    drawHollows(p, hollows);

    drawInletValve(p, state.inletOpen);
    drawOutletValve(p, state.outletOpen);
    drawCrankAndRod(p, degrees, top);
    drawPiston(p, top);

    const int arrowRow = (kPassageTop + kPassageBottom) / 2;
    if (state.inletOpen)
        drawArrow(p, QPoint(10, arrowRow), Direction::Right, 26, Colour::Black);
    if (state.outletOpen)
        drawArrow(p, QPoint(size.width() - 36, arrowRow), Direction::Right, 26, Colour::Black);
    return picture;
}

// ---- Vane compressor ----------------------------------------------------------
// The rotor lies off-centre to the left, touching the housing's bore at its left;
// the vanes slide out of their slots to stay against the bore, so the cells between
// them grow from the inlet at the lower left round to the right and shrink again on
// the way up to the outlet at the upper left.

const QPointF kHousing(262.5, 204.5);
constexpr double kHousingOuter = 172;
constexpr double kHousingBore = 148;
constexpr double kRotorRadius = 118;
constexpr double kOffset = kHousingBore - kRotorRadius;   // the rotor touches the bore
const QPointF kRotor = kHousing - QPointF(kOffset, 0);
constexpr double kSlotBottom = 44;
constexpr double kVaneLength = 72;
constexpr int kPipeBore = 22;
constexpr int kPipeWall = 7;
constexpr int kOutletRow = 92;    // axis of each pipe
constexpr int kInletRow = 316;

QRect pipeBore(int axisRow, int right)
{
    return QRect(0, axisRow - kPipeBore / 2, right + 1, kPipeBore);
}

// How far from the rotor's centre the bore lies in the direction `radians`.
double reachOfBore(double radians)
{
    const double across = kOffset * std::sin(radians);
    return kOffset * std::cos(radians) + std::sqrt(kHousingBore * kHousingBore - across * across);
}

// The vane whose slot points `radians` from the rotor's centre.
struct Vane {
    double radians;
    QPointF out;
};

Vane vaneAt(int vane, int frame)
{
    const double radians = (30.0 * vane + 5.0 * frame) * kDegree;
    return {radians, QPointF(std::cos(radians), -std::sin(radians))};
}

// The cells between neighbouring vanes: in the lower half they grow and fill from
// the inlet with air at atmospheric pressure; past the widest point, on the right,
// they are cut off from the inlet and shrink on the way up, compressing their air
// until they open into the outlet.
void drawCells(QPainter &p, int frame)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setClipPath(disk(kHousing, kHousingBore));
    for (int vane = 0; vane < 12; ++vane) {
        const double from = 30.0 * vane + 5.0 * frame;
        const double middle = std::fmod(from + 15.0, 360.0);
        QPainterPath cell(kRotor);
        cell.arcTo(QRectF(kRotor - QPointF(200, 200), QSizeF(400, 400)), from, 30.0);
        cell.closeSubpath();
        p.fillPath(cell, QColor::fromRgb(middle < 180.0 ? Colour::Red : Colour::Blue));
    }
    p.restore();
}

QImage drawVaneCompressor(int frame, QSize size)
{
    QImage picture = blankPicture(size);
    PicturePainter p(&picture);

    Shape housing = {disk(kHousing, kHousingOuter)};
    for (int row : {kOutletRow, kInletRow})
        housing << pixelRect(pipeBore(row, 170).adjusted(0, -kPipeWall, 0, kPipeWall));
    drawSolid(p, housing, Colour::LightGrey, 2);
    drawHollows(p, {{{disk(kHousing, kHousingBore), pixelRect(pipeBore(kOutletRow, 200))}, Colour::Red},
                    {{pixelRect(pipeBore(kInletRow, 200))}, Colour::Blue}});
    drawCells(p, frame);

    // The rotor, with the vanes' slots cut into it.
    drawSolid(p, {disk(kRotor, kRotorRadius)}, Colour::MidGrey);
    for (int vane = 0; vane < 12; ++vane) {
        const Vane v = vaneAt(vane, frame);
        drawSolid(p, {taperedBar(kRotor + v.out * kSlotBottom, kRotor + v.out * kRotorRadius, 4.5, 4.5)}, Colour::LightGrey);
        const double tip = reachOfBore(v.radians) + 1;
        drawSolid(p, {taperedBar(kRotor + v.out * (tip - kVaneLength), kRotor + v.out * tip, 3.5, 3.5)}, Colour::DarkGrey);
    }
    drawSolid(p, {disk(kRotor, 34)}, Colour::DarkGrey);
    drawSolid(p, {disk(kRotor, 16)}, Colour::LightGrey);

    for (int i = 0; i < 3; ++i) {
        drawArrow(p, QPoint(36 + 40 * i, kOutletRow), Direction::Left, 20, Colour::Black);
        drawArrow(p, QPoint(16 + 40 * i, kInletRow), Direction::Right, 20, Colour::Black);
    }
    drawCurvedArrow(p, kHousing, kHousingOuter + 12, 12, 58);
    return picture;
}

// ---- Symbol -------------------------------------------------------------------
// The compressor: a circle with the delivery triangle at its top pointing out into
// the delivery line, the inlet line below and the drive shaft's double line to the
// right. The triangle marks the port the air leaves by, so the line starts there.
QImage drawCompressorSymbol(int, QSize size)
{
    QImage picture = blankPicture(size);
    PicturePainter p(&picture);
    const QPointF centre(68, 37);
    const double radius = 22;
    drawSolid(p, {disk(centre, radius)}, Colour::White, 2);
    drawSolid(p, {polygonShape({centre + QPointF(0, 2 - radius), centre + QPointF(9, 13 - radius),
                                centre + QPointF(-9, 13 - radius)})},
              Colour::White);
    p.fillRect(QRect(67, 37 - int(radius) - 11, 2, 11), QColor::fromRgb(Colour::Black));
    p.fillRect(QRect(67, 37 + int(radius), 2, 11), QColor::fromRgb(Colour::Black));
    for (int row : {34, 39})
        p.fillRect(QRect(68 + int(radius), row, 16, 1), QColor::fromRgb(Colour::Black));
    return picture;
}

} // namespace

QList<ArtworkEntry> compressorArtwork()
{
    return {
        {PageName::PistonCompressor, QStringLiteral("picCompressorDePistons"), drawPistonCompressor},
        {PageName::PistonCompressor, QStringLiteral("ImgSimbol"), drawCompressorSymbol},
        {PageName::VaneCompressor, QStringLiteral("picCompressorDePaletes"), drawVaneCompressor},
        {PageName::VaneCompressor, QStringLiteral("ImgSimbol"), drawCompressorSymbol},
    };
}
