// SPDX-License-Identifier: GPL-3.0-or-later
// The non-return, shuttle and two-pressure valves in section. Each body is crossed by
// one horizontal passage with conical seats or end chambers; a ball or a disc
// shuttle moves in it. The body stays put from frame to frame; the moving part, the
// colour of the air, the port arrows and the P marks change.
#include "Artwork.h"
#include "PageNames.h"
#include "Canvas.h"
#include "DrawingBasics.h"
#include "Palette.h"
#include "SeatParts.h"
#include "SectionParts.h"

#include <climits>
#include <optional>

namespace {

constexpr QRgb R = Colour::Red;
constexpr QRgb B = Colour::Blue;
constexpr int kPortWidth = 16;
constexpr int kLetterSize = 16;

// Red air between two columns (inclusive), blue elsewhere.
AirColour redBetween(int from, int to)
{
    return [from, to](QPoint pixel) { return pixel.x() >= from && pixel.x() <= to ? R : B; };
}

// Air at atmospheric pressure everywhere: blue.
AirColour noPressure()
{
    return [](QPoint) { return B; };
}

// A bold P over an arrow pointing into the inlet on `side` of the body.
void drawPressureInlet(QPainter &p, const QRect &body, int axisRow, Side side)
{
    const bool left = side == Side::Left;
    const QPoint mouth(left ? body.left() : body.right(), axisRow);
    drawPortArrow(p, mouth, side, Flow::In);
    drawLetter(p, QPoint(mouth.x() + (left ? -17 : 17), axisRow - 16), QStringLiteral("P"), kLetterSize);
}

// The outlet on top: a bold A over its mouth and, when air under pressure leaves
// through it, an arrow beside it.
void drawOutletMark(QPainter &p, QPoint mouth, bool airLeaves)
{
    drawLetter(p, QPoint(mouth.x(), mouth.y() - 16), QStringLiteral("A"), kLetterSize);
    if (airLeaves)
        drawPortArrow(p, mouth, Side::Top, Flow::Out, 14);
}

// ---- Non-return valve --------------------------------------------------------
// Inlet, seat and chamber from left to right; the ball is held on the seat by a coil
// spring bearing on the chamber's right wall, around the outlet.
namespace nonreturn {

const QRect body(QPoint(85, 80), QPoint(405, 190));
constexpr int axis = 135;
constexpr double ballRadius = 20;
const ConicalSeat seat{165, 205, axis, kPortWidth / 2, 32};
const QRect chamber(QPoint(205, axis - 32), QPoint(345, axis + 31));
constexpr int springCoils = 7;
constexpr int springHalf = 15;


// Which way the air goes through the valve in a second.
enum class Through { None, Forward, Standing, Held };

struct Frame {
    double ballLift;   // how far the ball has left its seat
    Through air;
    bool inletEmpties; // the inlet side blows back to its exhaust (an arrow out of the inlet)
};

// In step with the circuit on the page: at rest no air comes; pressed, the air lifts
// the ball and rushes on to the cylinder, the ball settling back as the flow dies
// away; once the cylinder is full the flow stops and the spring seats the ball, with
// the same pressure on both sides. Then the inlet side is let out to exhaust, and
// the air on the outlet side, trapped in the cylinder, presses the ball onto its
// seat and stays there.
const Frame frames[6] = {
    {0, Through::None, false},
    {56, Through::Forward, false},
    {28, Through::Forward, false},
    {0, Through::Standing, false},
    {0, Through::Held, true},
    {0, Through::Held, false},
};

AirColour airOf(Through air)
{
    switch (air) {
    case Through::None: return noPressure();
    case Through::Forward:
    case Through::Standing: return redBetween(INT_MIN, INT_MAX);
    case Through::Held: {
        // Red from the seal line on: the ball's own seat divides the two sides.
        const int seal = int(ballSealLine(seat, ballRadius));
        return redBetween(seal + 1, INT_MAX);
    }
    }
    return noPressure();
}

QImage draw(int index, QSize size)
{
    const Frame &frame = frames[index];
    QImage picture = blankPicture(size);
    const QList<QRect> bores = {
        portPassage(body, Side::Left, axis, kPortWidth, seat.narrowAt, R).rect,
        chamber,
        portPassage(body, Side::Right, axis, kPortWidth, chamber.right() + 1, R).rect,
    };
    drawBodyWithSeats(picture, body, bores, {seat}, airOf(frame.air));

    PicturePainter p(&picture);
    const double ballX = restingBallCentre(seat, ballRadius) + frame.ballLift;
    const int springLeft = int(ballX + ballRadius) - 1;
    drawCoilSpring(p, QRect(QPoint(springLeft, axis - springHalf), QPoint(chamber.right(), axis + springHalf - 1)),
                   springCoils);
    drawBall(p, QPointF(ballX, axis - 0.5), ballRadius);
    const QPoint inlet(body.left(), axis);
    const QPoint outlet(body.right(), axis);
    // The supply's arrow while it is on; the outlet's only while air flows on.
    if (frame.air == Through::Forward || frame.air == Through::Standing)
        drawPortArrow(p, inlet, Side::Left, Flow::In);
    if (frame.air == Through::Forward)
        drawPortArrow(p, outlet, Side::Right, Flow::Out);
    if (frame.inletEmpties)
        drawPortArrow(p, inlet, Side::Left, Flow::Out);
    return picture;
}

} // namespace nonreturn

// ---- Shuttle valve -----------------------------------------------------------
// An inlet at each end opens through a conical seat into the central chamber; the
// outlet A leaves the chamber's top. The ball is driven onto the seat of the inlet
// without air, so the air reaches A whichever inlet it comes from.
namespace shuttle {

const QRect body(QPoint(80, 90), QPoint(380, 201));
constexpr int axis = 146;
constexpr int outletX = 230;
constexpr double ballRadius = 20;
const ConicalSeat leftSeat{140, 180, axis, kPortWidth / 2, 30};
const ConicalSeat rightSeat{320, 280, axis, kPortWidth / 2, 30};
const QRect chamber(QPoint(180, axis - 30), QPoint(280, axis + 29));

enum class Ball { OnLeftSeat, Middle, OnRightSeat };

struct Frame {
    std::optional<Side> air;   // the inlet that receives air, if any
    Ball ball;
};

// With the circuit on the page: both buttons released (the ball where the last air
// left it), then the left one pressed, both released, the right one pressed.
const Frame frames[6] = {
    {{}, Ball::OnLeftSeat}, {Side::Left, Ball::Middle}, {Side::Left, Ball::OnRightSeat},
    {{}, Ball::OnRightSeat}, {Side::Right, Ball::Middle}, {Side::Right, Ball::OnLeftSeat},
};

double ballCentre(Ball ball)
{
    switch (ball) {
    case Ball::OnLeftSeat: return restingBallCentre(leftSeat, ballRadius);
    case Ball::Middle: return outletX;
    case Ball::OnRightSeat: return restingBallCentre(rightSeat, ballRadius);
    }
    return outletX;
}

// Air from the left reaches as far as the ball lets it: to the seal line of a seat,
// or up to the ball in mid-stroke; from the right, the same mirrored. Without air
// every space is at atmospheric pressure.
AirColour airOf(const Frame &frame)
{
    if (!frame.air)
        return noPressure();
    const double x = ballCentre(frame.ball);
    const bool fromLeft = *frame.air == Side::Left;
    switch (frame.ball) {
    case Ball::OnLeftSeat:
        return fromLeft ? redBetween(INT_MIN, int(ballSealLine(leftSeat, ballRadius)))
                        : redBetween(int(ballSealLine(leftSeat, ballRadius)) + 1, INT_MAX);
    case Ball::OnRightSeat:
        return fromLeft ? redBetween(INT_MIN, int(ballSealLine(rightSeat, ballRadius)))
                        : redBetween(int(ballSealLine(rightSeat, ballRadius)) + 1, INT_MAX);
    case Ball::Middle:
        return fromLeft ? redBetween(INT_MIN, int(x - ballRadius)) : redBetween(int(x + ballRadius), INT_MAX);
    }
    return noPressure();
}

// The outlet gets the air once the ball has closed the other inlet; until then
// it empties back through that inlet.
bool outletFed(const Frame &frame)
{
    return frame.air && frame.ball == (*frame.air == Side::Left ? Ball::OnRightSeat : Ball::OnLeftSeat);
}

QImage draw(int index, QSize size)
{
    const Frame &frame = frames[index];
    QImage picture = blankPicture(size);
    const QList<QRect> bores = {
        portPassage(body, Side::Left, axis, kPortWidth, leftSeat.narrowAt, R).rect,
        chamber,
        portPassage(body, Side::Right, axis, kPortWidth, rightSeat.narrowAt, R).rect,
        portPassage(body, Side::Top, outletX, kPortWidth, chamber.top(), R).rect,
    };
    drawBodyWithSeats(picture, body, bores, {leftSeat, rightSeat}, airOf(frame));

    PicturePainter p(&picture);
    drawBall(p, QPointF(ballCentre(frame.ball), axis - 0.5), ballRadius);
    if (frame.air)
        drawPressureInlet(p, body, axis, *frame.air);
    drawOutletMark(p, QPoint(outletX, body.top()), outletFed(frame));
    return picture;
}

} // namespace shuttle

// ---- Two-pressure valve ------------------------------------------------------
// An inlet at each end opens into an end chamber; a narrower central passage joins
// the two chambers and carries the outlet A. A shuttle with a disc in each chamber
// moves away from the inlet with air, so its disc on that side closes that chamber
// off: the outlet gets air only when both inlets have it.
namespace twopressure {

const QRect body(QPoint(70, 90), QPoint(370, 201));
constexpr int axis = 146;
constexpr int outletX = 220;
const QRect leftChamber(QPoint(110, axis - 35), QPoint(164, axis + 34));
const QRect passage(QPoint(165, axis - 12), QPoint(275, axis + 11));
const QRect rightChamber(QPoint(276, axis - 35), QPoint(330, axis + 34));
// In the middle each disc stands `travel` pixels clear of its seat.
constexpr int travel = 12;
const DiscShuttle middle{leftChamber.right() - travel - 11, rightChamber.left() + travel + 11, axis, 12, 46, 8};

enum class Air { None, Both, Left, Right };

struct Frame {
    Air air;
    int shift;          // the shuttle's move to the right from the middle
};

// With the circuit on the page: both buttons released, the left one alone, both,
// the right one alone. Air from one side only leaves A without pressure, so only
// air from both sides leaves it with an arrow. When the right inlet is fed too, the
// pressures on the two discs balance and nothing moves the shuttle: it stays over
// on the right with the left inlet closed, and the air that came last, from the
// right, passes to A.
const Frame frames[6] = {
    {Air::None, 0}, {Air::Left, travel / 2}, {Air::Left, travel},
    {Air::Both, travel}, {Air::Right, -travel / 2}, {Air::Right, -travel},
};

AirColour airOf(Air air)
{
    switch (air) {
    case Air::None: return noPressure();
    case Air::Both: return redBetween(INT_MIN, INT_MAX);
    case Air::Left: return redBetween(INT_MIN, leftChamber.right());
    case Air::Right: return redBetween(rightChamber.left(), INT_MAX);
    }
    return noPressure();
}

QImage draw(int index, QSize size)
{
    const Frame &frame = frames[index];
    QImage picture = blankPicture(size);
    const QList<QRect> bores = {
        portPassage(body, Side::Left, axis, kPortWidth, leftChamber.left(), R).rect,
        leftChamber,
        passage,
        rightChamber,
        portPassage(body, Side::Right, axis, kPortWidth, rightChamber.right(), R).rect,
        portPassage(body, Side::Top, outletX, kPortWidth, passage.top(), R).rect,
    };
    drawBodyWithSeats(picture, body, bores, {}, airOf(frame.air));

    PicturePainter p(&picture);
    DiscShuttle shuttle = middle;
    shuttle.left += frame.shift;
    shuttle.right += frame.shift;
    drawDiscShuttle(p, shuttle);
    if (frame.air == Air::Both || frame.air == Air::Left)
        drawPressureInlet(p, body, axis, Side::Left);
    if (frame.air == Air::Both || frame.air == Air::Right)
        drawPressureInlet(p, body, axis, Side::Right);
    drawOutletMark(p, QPoint(outletX, body.top()), frame.air == Air::Both);
    return picture;
}

} // namespace twopressure

} // namespace

QList<ArtworkEntry> logicValveSectionArtwork()
{
    return {
        {PageName::NonReturnValve, QStringLiteral("picVàlvulaAntiretorn"), nonreturn::draw},
        {PageName::ShuttleValve, QStringLiteral("picVàlvulaSelectora"), shuttle::draw},
        {PageName::TwoPressureValve, QStringLiteral("picVàlvulaSimultaneïtat"), twopressure::draw},
    };
}
