// The two compressor pages: a single-cylinder piston compressor turning through one
// revolution in eight frames, a vane compressor turning by one vane spacing in six
// frames, and the compressor symbol both pages share.
#include "Artwork.h"
#include "Canvas.h"
#include "CompressorParts.h"
#include "DrawingBasics.h"
#include "Palette.h"

#include <cmath>

namespace {

constexpr double kDegree = M_PI / 180.0;
constexpr QRgb R = Colour::Red;
constexpr QRgb W = Colour::White;

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

// What changes from frame to frame besides the crank's angle.
struct PistonFrame {
    bool inletOpen;
    bool outletOpen;
    QRgb inletAir;
    QRgb outletAir;
    bool inletArrow;
    bool outletArrow;
};

// The crank turns 45 degrees anticlockwise a frame, starting at top dead centre.
// Going down the piston draws air in through the inlet valve; coming up it pushes
// it out through the outlet valve.
const PistonFrame kPistonFrames[8] = {
    // inlet  outlet  inlet air  outlet air  arrows: inlet  outlet
    {false, false, R, R, true, true},
    {true, false, R, W, true, false},
    {true, false, R, W, true, false},
    {true, false, R, W, true, false},
    {false, false, W, W, false, true},
    {false, true, W, R, false, true},
    {false, true, W, R, false, true},
    {false, true, W, R, false, true},
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

Shape headBody()
{
    Shape head = {pixelRect(QRect(QPoint(40, kHeadTop), QPoint(226, kBoreTop - 1))),
                  // the inlet and outlet pipes, cut off at the picture's edges
                  pixelRect(QRect(QPoint(0, kPassageTop - 6), QPoint(42, kPassageBottom + 6))),
                  pixelRect(QRect(QPoint(224, kPassageTop - 6), QPoint(266, kPassageBottom + 6)))};
    // the spring seats round the valve guides
    for (int valve : {kInletValve, kOutletValve})
        head << pixelRect(QRect(QPoint(valve - 12, kHeadTop - 4), QPoint(valve + 12, kHeadTop)));
    return head;
}

void drawPoppetValve(QPainter &p, int axis, bool open)
{
    const int lift = open ? kValveLift : 0;
    const int retainerTop = 2 + lift;
    drawSolid(p, {valveHeadShape(axis, kSeatTop + lift),
                  pixelRect(QRect(QPoint(axis - 3, retainerTop), QPoint(axis + 3, kSeatTop + lift + 1)))},
              Colour::MidGrey);
    drawUprightSpring(p, QRect(QPoint(axis - 9, retainerTop + 4), QPoint(axis + 9, kHeadTop - 5)), 3);
    drawSolid(p, {pixelRect(QRect(QPoint(axis - 12, retainerTop), QPoint(axis + 12, retainerTop + 3)))}, Colour::MidGrey);
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

    QList<ShapedHollow> hollows = {
        {{pixelRect(QRect(QPoint(kBoreLeft, kBoreTop), QPoint(kBoreRight, kShaftRow - 30))), disk(kShaft, kCrankcaseInner)},
         Colour::LightCyan},
        {{pixelRect(QRect(QPoint(kBoreLeft, kBoreTop), QPoint(kBoreRight, top - 1)))}, Colour::Red},
        {{pixelRect(QRect(QPoint(0, kPassageTop), QPoint(kInletValve + 13, kPassageBottom))),
          pixelRect(QRect(QPoint(kInletValve - 10, kPassageBottom), QPoint(kInletValve + 10, kSeatTop))),
          valveHeadShape(kInletValve, kSeatTop)},
         state.inletAir},
        {{pixelRect(QRect(QPoint(kOutletValve - 13, kPassageTop), QPoint(size.width() - 1, kPassageBottom))),
          pixelRect(QRect(QPoint(kOutletValve - 10, kPassageBottom), QPoint(kOutletValve + 10, kSeatTop))),
          valveHeadShape(kOutletValve, kSeatTop)},
         state.outletAir},
    };
    // Bolt holes in the foot.
    for (int x : {44, 215})
        hollows.append({{pixelRect(QRect(x, kShaftRow + 86, 8, 8))}, Colour::White});
    drawHollows(p, hollows);

    drawPoppetValve(p, kInletValve, state.inletOpen);
    drawPoppetValve(p, kOutletValve, state.outletOpen);
    drawCrankAndRod(p, degrees, top);
    drawPiston(p, top);

    const int arrowRow = (kPassageTop + kPassageBottom) / 2;
    if (state.inletArrow)
        drawArrow(p, QPoint(10, arrowRow), Direction::Right, 26, Colour::Black);
    if (state.outletArrow)
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

QImage drawVaneCompressor(int frame, QSize size)
{
    QImage picture = blankPicture(size);
    PicturePainter p(&picture);

    Shape housing = {disk(kHousing, kHousingOuter)};
    for (int row : {kOutletRow, kInletRow})
        housing << pixelRect(pipeBore(row, 170).adjusted(0, -kPipeWall, 0, kPipeWall));
    drawSolid(p, housing, Colour::LightCyan, 2);
    drawHollows(p, {{{disk(kHousing, kHousingBore), pixelRect(pipeBore(kOutletRow, 200)), pixelRect(pipeBore(kInletRow, 200))},
                     Colour::Red}});

    drawSolid(p, {disk(kRotor, kRotorRadius)}, Colour::LightCyan);
    for (int vane = 0; vane < 12; ++vane) {
        const double radians = (30.0 * vane + 5.0 * frame) * kDegree;
        const QPointF out(std::cos(radians), -std::sin(radians));
        drawSolid(p, {taperedBar(kRotor + out * kSlotBottom, kRotor + out * kRotorRadius, 4.5, 4.5)}, Colour::LightGrey);
        const double tip = reachOfBore(radians) + 1;
        drawSolid(p, {taperedBar(kRotor + out * (tip - kVaneLength), kRotor + out * tip, 3.5, 3.5)}, Colour::Blue);
    }
    drawSolid(p, {disk(kRotor, 34)}, Colour::MidGrey);
    drawSolid(p, {disk(kRotor, 16)}, Colour::LightGrey);

    for (int i = 0; i < 3; ++i) {
        drawArrow(p, QPoint(36 + 40 * i, kOutletRow), Direction::Left, 20, Colour::Black);
        drawArrow(p, QPoint(16 + 40 * i, kInletRow), Direction::Right, 20, Colour::Black);
    }
    drawCurvedArrow(p, kHousing, kHousingOuter + 12, 12, 58);
    return picture;
}

// ---- Symbol -------------------------------------------------------------------
// The compressor: a circle with the delivery triangle at its top pointing out, the
// inlet line below and the drive shaft's double line to the right.
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
    p.fillRect(QRect(67, 37 + int(radius), 2, 11), QColor::fromRgb(Colour::Black));
    for (int row : {34, 39})
        p.fillRect(QRect(68 + int(radius), row, 16, 1), QColor::fromRgb(Colour::Black));
    return picture;
}

} // namespace

QList<ArtworkEntry> compressorArtwork()
{
    return {
        {QStringLiteral("frmCompressorDePistons"), QStringLiteral("picCompressorDePistons"), drawPistonCompressor},
        {QStringLiteral("frmCompressorDePistons"), QStringLiteral("ImgSimbol"), drawCompressorSymbol},
        {QStringLiteral("frmCompressorDePaletes"), QStringLiteral("picCompressorDePaletes"), drawVaneCompressor},
        {QStringLiteral("frmCompressorDePaletes"), QStringLiteral("ImgSimbol"), drawCompressorSymbol},
    };
}
