// SPDX-License-Identifier: GPL-3.0-or-later
// The quick exhaust valve, the pressure-limiting valve and the one-way flow control
// valve in section. Each body and its cavities stay put from frame to frame; the
// moving part (disc seal, cone, ball), the spring, the colour of the air and the
// arrows showing where it flows change.
#include "Artwork.h"
#include "PageNames.h"
#include "Canvas.h"
#include "ControlSymbolParts.h"
#include "DrawingBasics.h"
#include "Palette.h"
#include "SectionParts.h"

#include <QPolygon>
#include <QRegion>

namespace {

constexpr QRgb R = Colour::Red;
constexpr QRgb B = Colour::Blue;
constexpr QRgb W = Colour::White;

enum class PortFlow { None, In, Out };

// Fills `area` with the colour of the air, but only inside the hollows of the body.
void fillAir(QPainter &p, const QList<Cavity> &hollows, const QRect &area, QRgb colour)
{
    for (const Cavity &hollow : hollows)
        p.fillRect(hollow.rect & area, QColor::fromRgb(colour));
}

void fillAir(QPainter &p, const QList<Cavity> &hollows, const QPolygon &area, QRgb colour)
{
    QRegion inside;
    for (const Cavity &hollow : hollows)
        inside += hollow.rect;
    p.save();
    p.setClipRegion(inside);
    fillPolygon(p, area, colour, colour);
    p.restore();
}

// A piece of body standing into a cavity from the wall on `attached` (a seat's rim, a
// shoulder): black outline on its free sides, merged with the body on the wall side.
void drawBodyBlock(QPainter &p, const QRect &block, Side attached)
{
    p.fillRect(block, QColor::fromRgb(Colour::Black));
    const QRect inner = block.adjusted(attached == Side::Left ? -1 : 1, attached == Side::Top ? -1 : 1,
                                       attached == Side::Right ? 1 : -1, attached == Side::Bottom ? 1 : -1);
    p.fillRect(inner, QColor::fromRgb(Colour::LightGrey));
}

// A port's letter with, when air flows there, a thin arrow on the port's axis.
void drawPortMark(QPainter &p, QPoint mouth, Side side, PortFlow flow, const QString &letter, QPoint letterAt)
{
    if (flow != PortFlow::None)
        drawPortArrow(p, mouth, side, flow == PortFlow::In ? Flow::In : Flow::Out);
    if (!letter.isEmpty())
        drawLetter(p, letterAt, letter, 16);
}

// Black thread marks across a screw shank.
void drawThread(QPainter &p, const QRect &shank, Qt::Orientation axis)
{
    if (axis == Qt::Vertical) {
        for (int y = shank.top() + 2; y + 2 <= shank.bottom() - 1; y += 4)
            drawLine(p, QPoint(shank.left() + 1, y + 2), QPoint(shank.right() - 1, y), Colour::Black);
    } else {
        for (int x = shank.left() + 2; x + 2 <= shank.right() - 1; x += 4)
            drawLine(p, QPoint(x, shank.bottom() - 1), QPoint(x + 2, shank.top() + 1), Colour::Black);
    }
}

// ---- Quick exhaust valve ---------------------------------------------------------
// P enters on the left through a short nozzle whose rim is the P-side seat; the R
// passage leaves on the right through a longer nozzle whose rim is the R-side seat.
// Between them a disc seal with a cup lip (open towards R) slides across the
// chamber; A leaves the chamber from the top, above the R nozzle. Air from P folds
// the lip and passes to A; air from A presses the lip against the wall and the disc
// onto the P seat, so A exhausts through R.
namespace exhaust {

constexpr QRect body(QPoint(56, 60), QPoint(396, 210));
constexpr int axisY = 135;
constexpr QRect chamber(QPoint(150, 85), QPoint(299, 185));
constexpr int boreTop = 121;                 // the P and R passages, rows 121..149
constexpr int boreBottom = 149;
constexpr int pNozzleEnd = 170;              // the P seat's rim
constexpr int rNozzleStart = 241;            // the R seat's rim
constexpr int aCentre = 273;
constexpr int aWidth = 24;
constexpr int discLeftAtRest = pNozzleEnd + 1;
constexpr int discWidth = 12;
constexpr int discTop = 95;
constexpr int lipReach = 14;
constexpr int travel = rNozzleStart - 1 - (discLeftAtRest + discWidth - 1);

enum class Lip { Sealing, Folded };

struct Frame {
    int shift;          // the disc's travel towards R
    Lip lip;
    QRgb pPassage;
    QRgb pSide;         // the chamber on the P side of the seal
    QRgb aSide;         // the chamber on the A side of the seal, and the A passage
    QRgb rPassage;
    PortFlow p, a, r;
    bool letterP, letterR;
};

constexpr PortFlow No = PortFlow::None;
constexpr PortFlow In = PortFlow::In;
constexpr PortFlow Out = PortFlow::Out;
constexpr int half = travel / 2;

// Frames 0 to 2: P is fed; its air moves the seal off the P seat at once, folding
// its lip on the way to A, and the seal closes R; A delivers (its arrow out) only
// once it is under pressure. Frames 3 to 5: P is exhausted; the air held in A
// presses the seal back onto the P seat and, once the seal leaves the R seat, is
// exhausted through R (in frame 3 the seal still closes R: nothing leaves there
// yet). Every port keeps its letter.
const Frame frames[6] = {
    //  shift   lip          P  P side A side R  flows P, A, R   letters P, R
    {half,   Lip::Folded,  R, R, B, B, In, No,  No,  true, true},
    {travel, Lip::Folded,  R, R, R, B, In, Out, No,  true, true},
    {travel, Lip::Folded,  R, R, R, B, In, Out, No,  true, true},
    {travel, Lip::Sealing, B, B, R, B, No, In,  No,  true, true},
    {half,   Lip::Sealing, B, B, B, B, No, In,  Out, true, true},
    {0,      Lip::Sealing, B, B, B, B, No, In,  Out, true, true},
};

// The upper lip of the cup; the lower one is its mirror image about the axis.
QPolygon upperLip(int discRight, Lip lip)
{
    const int tipX = discRight + lipReach - (lip == Lip::Folded ? 2 : 0);
    const int tipY = chamber.top() + (lip == Lip::Folded ? 6 : 0);
    return QPolygon({QPoint(discRight, discTop - 1), QPoint(tipX, tipY), QPoint(tipX, tipY + 5),
                     QPoint(discRight, discTop + 8)});
}

QPolygon mirrored(const QPolygon &polygon)
{
    QPolygon result;
    for (const QPoint &point : polygon)
        result << QPoint(point.x(), 2 * axisY - point.y());
    return result;
}

QImage draw(int index, QSize size)
{
    const Frame &frame = frames[index];
    QImage picture = blankPicture(size);
    PicturePainter p(&picture);

    const QList<Cavity> hollows = {
        {chamber, W},
        portPassage(body, Side::Left, axisY, boreBottom - boreTop + 1, pNozzleEnd, W),
        portPassage(body, Side::Right, axisY, boreBottom - boreTop + 1, rNozzleStart, W),
        portPassage(body, Side::Top, aCentre, aWidth, chamber.top(), W),
    };
    drawSectionBody(p, body);
    drawCavities(p, body, hollows);

    const int discLeft = discLeftAtRest + frame.shift;
    const int discRight = discLeft + discWidth - 1;
    const int boundary = discRight + lipReach + (frame.lip == Lip::Folded ? 6 : 0);
    fillAir(p, hollows, QRect(QPoint(chamber.left(), 0), QPoint(boundary, size.height())), frame.pSide);
    fillAir(p, hollows, QRect(QPoint(boundary + 1, 0), QPoint(size.width(), size.height())), frame.aSide);
    if (frame.lip == Lip::Sealing) {
        // Inside the cup the air is that of the A side.
        const QPolygon cup({QPoint(discRight, discTop + 8), QPoint(boundary, chamber.top() + 5),
                            QPoint(boundary, chamber.bottom() - 5), QPoint(discRight, 2 * axisY - discTop - 8)});
        fillAir(p, hollows, cup, frame.aSide);
    }
    fillAir(p, hollows, QRect(QPoint(body.left(), boreTop), QPoint(pNozzleEnd, boreBottom)), frame.pPassage);
    const QRect rBore(QPoint(rNozzleStart, boreTop), QPoint(body.right(), boreBottom));
    fillAir(p, hollows, rBore, frame.rPassage);

    // The two seats: nozzles standing out of the chamber's end walls.
    drawBodyBlock(p, QRect(QPoint(chamber.left(), boreTop - 9), QPoint(pNozzleEnd, boreTop - 1)), Side::Left);
    drawBodyBlock(p, QRect(QPoint(chamber.left(), boreBottom + 1), QPoint(pNozzleEnd, boreBottom + 9)), Side::Left);
    drawBodyBlock(p, QRect(QPoint(rNozzleStart, boreTop - 9), QPoint(chamber.right(), boreTop - 1)), Side::Right);
    drawBodyBlock(p, QRect(QPoint(rNozzleStart, boreBottom + 1), QPoint(chamber.right(), boreBottom + 9)), Side::Right);

    // The disc seal and its lip.
    const QPolygon lip = upperLip(discRight, frame.lip);
    fillPolygon(p, lip, Colour::MidGrey);
    fillPolygon(p, mirrored(lip), Colour::MidGrey);
    fillOutlined(p, QRect(QPoint(discLeft, discTop), QPoint(discRight, 2 * axisY - discTop)), Colour::MidGrey);

    drawPortMark(p, QPoint(body.left(), axisY), Side::Left, frame.p, frame.letterP ? QStringLiteral("P") : QString(),
                 QPoint(body.left() - 18, axisY - 18));
    drawPortMark(p, QPoint(aCentre, body.top()), Side::Top, frame.a, QStringLiteral("A"),
                 QPoint(aCentre - 15, body.top() - 20));
    drawPortMark(p, QPoint(body.right(), axisY), Side::Right, frame.r, frame.letterR ? QStringLiteral("R") : QString(),
                 QPoint(body.right() + 18, axisY - 18));
    return picture;
}

} // namespace exhaust

// ---- Pressure-limiting valve -----------------------------------------------------
// The inlet P runs from the left edge to a seat in the chamber's left wall. A cone,
// pressed onto the seat by a coil spring, opens when the force of the air on it
// beats the spring; the spring's other end bears on a plate carried by an adjusting
// screw through the right wall, with its knob outside. The outlet T leaves just right
// of the seat and a vent near the screw, both down through the bottom wall.
//
// The chamber past the seat is open to atmosphere through T and the vent, so its air
// is always at atmospheric pressure. The frames keep time with the circuit on the
// same page: at rest the line is exhausted; while the cylinder runs out the working
// pressure stands at the cone, too weak to move it; once the piston stops the
// pressure climbs to the setting, lifts the cone a little off its seat and holds
// there in balance with the spring, while the excess air escapes past the seat and
// out of T.
namespace limiter {

constexpr QRect body(QPoint(60, 70), QPoint(400, 200));
constexpr int axisY = 135;
constexpr QRect chamber(QPoint(141, 98), QPoint(369, 172));
constexpr int inletWidth = 31;
constexpr int seatX = chamber.left() - 1;        // the inlet's mouth in the left wall
constexpr int coneTipAtRest = seatX - 21;
constexpr int coneTaper = 34;                     // from the tip to the full diameter
constexpr int coneLength = 60;
constexpr int coneHalfHeight = 26;
constexpr int plateLeft = 330;
constexpr int plateWidth = 8;
constexpr int outletCentre = 163;
constexpr int ventCentre = 353;
constexpr int screwHalfHeight = 8;
constexpr int springHalfHeight = 24;
constexpr int relievingLift = 10;                 // the cone's lift while it relieves
constexpr int fullSpray = 30;

struct Frame {
    QRgb inlet;         // the air standing at the cone
    int lift;           // the cone's distance off its seat
    int spray;          // how far the escaped air has spread below T (0: none)
};

const Frame frames[6] = {
    //  inlet  lift            spray
    {B, 0,              0},
    {R, 0,              0},
    {R, 0,              0},
    {R, relievingLift,  10},
    {R, relievingLift,  20},
    {R, relievingLift,  fullSpray},
};

QPolygon cone(int tip)
{
    const int full = tip + coneTaper;
    const int back = tip + coneLength - 1;
    const int top = axisY - coneHalfHeight;
    const int bottom = axisY + coneHalfHeight;
    return QPolygon({QPoint(tip, axisY), QPoint(full, top), QPoint(back, top), QPoint(back, bottom), QPoint(full, bottom)});
}

QImage draw(int index, QSize size)
{
    const Frame &frame = frames[index];
    QImage picture = blankPicture(size);
    PicturePainter p(&picture);

    const QRect screwHole(QPoint(chamber.right() + 1, axisY - screwHalfHeight + 1),
                          QPoint(body.right(), axisY + screwHalfHeight - 1));
    const QList<Cavity> hollows = {
        {chamber, B},
        portPassage(body, Side::Left, axisY, inletWidth, seatX, frame.inlet),
        portPassage(body, Side::Bottom, outletCentre, 10, chamber.bottom(), B),
        portPassage(body, Side::Bottom, ventCentre, 8, chamber.bottom(), B),
        {screwHole, W},
    };
    drawSectionBody(p, body);
    drawCavities(p, body, hollows);

    const bool open = frame.lift > 0;
    const int tip = coneTipAtRest + frame.lift;
    const int springLeft = tip + coneLength;
    // The adjusting screw: plate inside, threaded shank through the wall, knob outside.
    const QRect shank(QPoint(plateLeft + plateWidth, axisY - screwHalfHeight), QPoint(body.right() + 8, axisY + screwHalfHeight));
    fillOutlined(p, shank, Colour::MidGrey);
    drawThread(p, shank.adjusted(6, 0, -8, 0), Qt::Horizontal);
    fillOutlined(p, QRect(QPoint(plateLeft, axisY - 30), QPoint(plateLeft + plateWidth - 1, axisY + 30)), Colour::MidGrey);
    const QRect knob(QPoint(body.right() + 8, axisY - 28), QPoint(body.right() + 30, axisY + 28));
    fillOutlined(p, knob, Colour::DarkGrey);
    for (int y = knob.top() + 5; y < knob.bottom() - 2; y += 6)
        drawLine(p, QPoint(knob.left() + 3, y), QPoint(knob.right() - 3, y), Colour::Black);

    if (open) {
        // The air squeezing past the seat: a thin red stream along the cone's front.
        const int full = tip + coneTaper;
        const QPolygon stream({QPoint(seatX, axisY - inletWidth / 2 - 1), QPoint(full + 4, axisY - coneHalfHeight - 4),
                               QPoint(full + 4, axisY + coneHalfHeight + 4), QPoint(seatX, axisY + inletWidth / 2 + 1)});
        fillAir(p, hollows, stream, R);
    }
    drawCoilSpring(p, QRect(QPoint(springLeft, axisY - springHalfHeight), QPoint(plateLeft - 1, axisY + springHalfHeight)), 7);
    fillPolygon(p, cone(tip), Colour::MidGrey);

    drawPortMark(p, QPoint(body.left(), axisY), Side::Left, frame.inlet == R ? PortFlow::In : PortFlow::None,
                 QStringLiteral("P"), QPoint(body.left() - 18, axisY - 18));
    if (open) {
        drawPortArrow(p, QPoint(outletCentre, body.bottom()), Side::Bottom, Flow::Out, 14);
        drawLetter(p, QPoint(outletCentre, body.bottom() + 17), QStringLiteral("T"), 16);
        const Orientation down{QPoint(outletCentre, body.bottom() + 26), {0, 1}, {1, 0}};
        drawSpray(p, down, 2, frame.spray, fullSpray, 12, B);
    }
    return picture;
}

} // namespace limiter

// ---- One-way flow control valve --------------------------------------------------
// The lower passage runs from the left port to the ball's seat; past the seat the
// spring chamber holds the ball and its spring and narrows to the right port, which
// leads to the cylinder. A vertical branch off the left port rises to the upper
// passage, which the needle's conical tip throttles where a short link drops into
// the spring chamber behind the ball.
//
// In step with the circuit beside it: frame 0 at rest. Frames 1 and 2: air under
// pressure from the left lifts the ball and rushes through to the cylinder, which
// runs out fast. Frames 3 to 5: the piston has stopped, nothing flows, the spring has
// put the ball back on its seat and the air stands at full pressure on both sides.
// Frames 6 to 11: the directional valve has let the left port out to exhaust and the
// piston is pushed back; the air leaving the cylinder comes in at the right, the ball
// stays seated, and all of it must pass the needle on its way out at the left. It is
// exhaust air (blue); arrows trace its way through, one more each second.
namespace regulator {

constexpr QRect body(QPoint(50, 75), QPoint(400, 215));
constexpr int axisY = 180;                        // the lower passage
constexpr int portWidth = 24;
constexpr QRect chamber(QPoint(181, 155), QPoint(349, 205));
constexpr QRect branch(QPoint(95, 105), QPoint(108, 168));
constexpr QRect upper(QPoint(95, 105), QPoint(300, 118));
constexpr QRect link(QPoint(262, 119), QPoint(271, 154));
constexpr int needleLeft = 259;                   // the needle's shank, 16 pixels wide
constexpr int needleRight = 274;
constexpr int tipY = 126;
constexpr int ballRadius = 19;
constexpr int ballCentreAtRest = 195;             // resting on the seat's rim
constexpr QRect leftPort(QPoint(50, 168), QPoint(180, 191));
constexpr QRect rightPort(QPoint(349, 168), QPoint(400, 191));

enum class Phase { Rest, Free, Standing, Regulated };

struct Frame {
    Phase phase;
    int ballShift;
    int traced;         // regulated flow: how many legs of its way are marked by arrows
};

const Frame frames[12] = {
    {Phase::Rest, 0, 0},
    {Phase::Free, 35, 0}, {Phase::Free, 44, 0},
    {Phase::Standing, 0, 0}, {Phase::Standing, 0, 0}, {Phase::Standing, 0, 0},
    {Phase::Regulated, 0, 1}, {Phase::Regulated, 0, 2}, {Phase::Regulated, 0, 3},
    {Phase::Regulated, 0, 4}, {Phase::Regulated, 0, 5}, {Phase::Regulated, 0, 6},
};

void drawNeedle(QPainter &p)
{
    const int middle2 = needleLeft + needleRight;   // twice the axis, to keep the tip centred
    const QPolygon needle({QPoint(needleLeft, 53), QPoint(needleRight, 53), QPoint(needleRight, upper.top()),
                           QPoint((middle2 + 1) / 2, tipY), QPoint(middle2 / 2, tipY), QPoint(needleLeft, upper.top())});
    fillPolygon(p, needle, Colour::MidGrey);
    drawThread(p, QRect(QPoint(needleLeft, 56), QPoint(needleRight, upper.top() - 4)), Qt::Vertical);
    // Lock nut on the body and the knurled head.
    fillOutlined(p, QRect(QPoint(needleLeft - 6, body.top() - 9), QPoint(needleRight + 6, body.top() - 1)), Colour::DarkGrey);
    const QRect head(QPoint(needleLeft - 9, 38), QPoint(needleRight + 9, 52));
    fillOutlined(p, head, Colour::DarkGrey);
    for (int x = head.left() + 4; x < head.right() - 2; x += 5)
        drawLine(p, QPoint(x, head.top() + 2), QPoint(x, head.bottom() - 2), Colour::Black);
}

// The way the exhaust air takes, leg by leg: in at the right port, along it into
// the spring chamber, up the link behind the seated ball, past the needle and along
// the upper passage, down the branch, and out of the left port.
void drawRegulatedWay(QPainter &p, int legs)
{
    if (legs >= 1)
        drawPortArrow(p, QPoint(body.right(), axisY), Side::Right, Flow::In);
    if (legs >= 2)
        drawArrow(p, QPoint(rightPort.right() - 6, axisY), Direction::Left, 30, Colour::Black);
    if (legs >= 3)
        drawArrow(p, QPoint((link.left() + link.right() + 1) / 2, link.bottom() - 2), Direction::Up, 18, Colour::Black);
    if (legs >= 4)
        drawArrow(p, QPoint(needleLeft - 12, (upper.top() + upper.bottom() + 1) / 2), Direction::Left, 90,
                  Colour::Black);
    if (legs >= 5)
        drawArrow(p, QPoint((branch.left() + branch.right() + 1) / 2, upper.bottom() + 4), Direction::Down, 34,
                  Colour::Black);
    if (legs >= 6)
        drawPortArrow(p, QPoint(body.left(), axisY), Side::Left, Flow::Out);
}

QImage draw(int index, QSize size)
{
    const Frame &frame = frames[index];
    QImage picture = blankPicture(size);
    PicturePainter p(&picture);

    const bool pressure = frame.phase == Phase::Free || frame.phase == Phase::Standing;
    const QRgb air = pressure ? R : B;
    const QList<Cavity> hollows = {
        {leftPort, air}, {chamber, air}, {rightPort, air}, {branch, air}, {upper, air}, {link, air},
        {QRect(QPoint(needleLeft + 1, body.top()), QPoint(needleRight - 1, upper.top() - 1)), W},
    };
    drawSectionBody(p, body);
    drawCavities(p, body, hollows);

    const int ballCentre = ballCentreAtRest + frame.ballShift;
    drawCoilSpring(p, QRect(QPoint(ballCentre + ballRadius - 3, axisY - 16), QPoint(chamber.right(), axisY + 16)), 7);
    p.save();
    p.setPen(QColor::fromRgb(Colour::Black));
    p.setBrush(QColor::fromRgb(Colour::MidGrey));
    p.drawEllipse(QRect(ballCentre - ballRadius, axisY - ballRadius, 2 * ballRadius, 2 * ballRadius));
    p.restore();
    drawNeedle(p);

    if (frame.phase == Phase::Regulated) {
        drawRegulatedWay(p, frame.traced);
        drawLetter(p, QPoint(115, 45), QStringLiteral("REGULACIÓ"), 16, Colour::DarkGrey);
    } else {
        // P marks where the supply comes from; its arrow shows the supply on, and the
        // arrow at the right port the air going on to the cylinder.
        drawPortMark(p, QPoint(body.left(), axisY), Side::Left, pressure ? PortFlow::In : PortFlow::None,
                     QStringLiteral("P"), QPoint(body.left() - 18, axisY - 18));
        if (frame.phase == Phase::Free)
            drawPortArrow(p, QPoint(body.right(), axisY), Side::Right, Flow::Out);
    }
    return picture;
}

} // namespace regulator

} // namespace

QList<ArtworkEntry> controlValveSectionArtwork()
{
    return {
        {PageName::QuickExhaustValve, QStringLiteral("picEscapamentRàpid"), exhaust::draw},
        {PageName::LimitingValve, QStringLiteral("picVàlvulaLimit"), limiter::draw},
        {PageName::FlowRegulator, QStringLiteral("picVàlvulaReguladora"), regulator::draw},
    };
}
