// SPDX-License-Identifier: GPL-3.0-or-later
// The air-treatment units in section: the filter, the pressure regulator and the
// lubricator, each a six-frame loop in which the body stays put and only the air
// (colours, streaks and flecks), the regulator's moving parts and the lubricator's
// oil drops change; and their three circuit symbols.
#include "AirTreatmentParts.h"
#include "Artwork.h"
#include "PageNames.h"
#include "Canvas.h"
#include "DrawingBasics.h"
#include "Palette.h"
#include "SectionParts.h"

#include <cmath>

namespace {

void fill(QPainter &p, const QRect &rect, QRgb colour)
{
    p.fillRect(rect, QColor::fromRgb(colour));
}

QRect span(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// How far a quarter ellipse `depth` rows deep and `half` columns wide reaches
// sideways `into` rows from its deepest row.
int ellipseReach(int half, int depth, int into)
{
    const double t = 1.0 - double(into) / depth;
    return t <= 0 ? half : int(std::lround(half * std::sqrt(1.0 - t * t)));
}

// A shape with straight sides down to `straightEnd` and a half-elliptic bottom
// `depth` rows deep, symmetric about the column `centre`, filled row by row.
void fillRoundBottomed(QPainter &p, int centre, int top, int half, int straightEnd, int depth, QRgb colour)
{
    for (int y = top; y < straightEnd + depth; ++y) {
        const int reach = y <= straightEnd ? half : ellipseReach(half, depth, straightEnd + depth - y);
        fill(p, span(centre - reach, y, centre + reach, y), colour);
    }
}

// The same upside down: a half-elliptic top `depth` rows deep, straight sides below.
void fillRoundTopped(QPainter &p, int centre, int top, int half, int depth, int bottom, QRgb colour)
{
    for (int y = top; y <= bottom; ++y) {
        const int reach = ellipseReach(half, depth, y - top + 1);
        fill(p, span(centre - reach, y, centre + reach, y), colour);
    }
}

// A solid part outlined in black (polygon version of fillOutlined).
void part(QPainter &p, const QPolygon &shape, QRgb colour)
{
    fillPolygon(p, shape, colour, Colour::Black);
}

// ==== Filter ====================================================================
// Air enters the head on the left, runs down between the deflector sleeve and the
// bowl wall, where the swirl flings the drops of water and the heavier particles
// out against the wall; they run down it past the baffle into the condensate that
// collects in the quiet zone below, over the drain. The air then passes through
// the tapering filter element from outside to inside and up to the outlet on the
// right, clean. All of it is air under pressure, red; white streaks mark where it
// moves, and below the deflector white lines wind round the bowl: the swirl, seen
// in section as the front and back of each turn meeting at the wall. Water is
// light cyan with a dark blue edge, dirt deep grey.

constexpr int kFilterAxis = 160;
const QRect kFilterHead = span(34, 28, 286, 118);
constexpr QRgb kWater = Colour::LightCyan;
constexpr QRgb kWaterEdge = Colour::DarkBlue;
constexpr QRgb kDirt = Colour::DeepGrey;
constexpr int kCondensateLevel = 428;   // the top row of the water under the baffle

// A drop flung against the bowl wall: on the left (-1) or right (+1) wall, the
// frame in which it lands and the row where it lands. It runs down the wall and
// five frames later, past the baffle's rim, is about to reach the condensate; the
// next frame a new drop lands.
struct WallDrop {
    int side;
    int landsIn;
    int landsAt;
    bool dirty;   // it carries a particle down with it
};
const WallDrop kWallDrops[] = {{-1, 1, 150, true}, {1, 2, 172, false}, {-1, 3, 192, false}, {1, 4, 206, true}};

int wallDropRow(const WallDrop &drop, int frame)
{
    const int age = (frame - drop.landsIn + 6) % 6;
    return drop.landsAt + (kCondensateLevel - 22 - drop.landsAt) * age / 5;
}

// The frames in which air flows in at the inlet, carrying water and dirt.
constexpr bool kInletFlows[6] = {false, true, true, true, true, false};

// The frames in which the air swirls round the bowl below the deflector.
constexpr bool kSwirls[6] = {false, false, true, true, true, false};

enum FilterStreak {
    Inlet, LeftUpper, RightSide, ElementLower, ElementUpper, Outlet, StreakCount
};

// The streaks of moving air, as paths through the middle of the passages.
const QList<QList<QPoint>> kFilterStreakPaths[StreakCount] = {
    /* Inlet        */ {{{36, 64}, {85, 64}, {85, 112}}},
    /* LeftUpper    */ {{{85, 122}, {85, 224}}},
    /* RightSide    */ {{{235, 122}, {235, 240}}},
    /* ElementLower */ {{{149, 316}, {146, 236}}, {{171, 316}, {174, 236}}},
    /* ElementUpper */ {{{146, 230}, {139, 122}}, {{174, 230}, {181, 122}}},
    /* Outlet       */ {{{184, 116}, {184, 64}, {284, 64}}},
};

// Which streaks each frame shows.
const QList<FilterStreak> kFilterFrames[6] = {
    {},
    {Inlet, LeftUpper},
    {Inlet, LeftUpper, ElementLower},
    {Inlet, LeftUpper, ElementLower, ElementUpper},
    {Inlet, LeftUpper, RightSide, ElementLower, ElementUpper, Outlet},
    {ElementLower, ElementUpper, Outlet},
};

void drawFilterHead(QPainter &p)
{
    const QRect &head = kFilterHead;
    auto chamfered = [&head](int inset) {
        const QRect r = head.adjusted(inset, inset, -inset, -inset);
        const int cut = 8 - inset / 2;
        return QPolygon({{r.left(), r.top() + cut}, {r.left() + cut, r.top()}, {r.right() - cut, r.top()},
                         {r.right(), r.top() + cut}, r.bottomRight(), r.bottomLeft()});
    };
    fillPolygon(p, chamfered(0), Colour::Black, Colour::Black);
    fillPolygon(p, chamfered(2), Colour::LightGrey, Colour::LightGrey);
    // The screw plug over the core.
    fillOutlined(p, span(138, 19, 182, 29), Colour::DarkGrey);

    cutHollows(p, head, {{span(34, 52, 96, 76), Colour::Red},        // the inlet
                         {span(73, 52, 96, 118), Colour::Red},       // down into the bowl
                         {span(224, 86, 247, 118), Colour::Red},     // the inlet ring, far side
                         {span(122, 52, 198, 118), Colour::Red},     // above the element
                         {span(198, 52, 286, 76), Colour::Red}});    // the outlet
}

void drawFilterBowl(QPainter &p)
{
    const int c = kFilterAxis;
    fillRoundBottomed(p, c, 119, 96, 414, 52, Colour::Black);
    fillRoundBottomed(p, c, 119, 95, 414, 51, Colour::LightYellow);
    fillRoundBottomed(p, c, 119, 89, 414, 45, Colour::Black);
    fillRoundBottomed(p, c, 119, 88, 414, 44, Colour::Red);

    // The ring that holds the bowl to the head.
    fillOutlined(p, span(52, 112, 64, 140), Colour::DarkGrey);
    fillOutlined(p, span(256, 112, 268, 140), Colour::DarkGrey);
    fill(p, span(55, 116, 61, 116), Colour::Black);
    fill(p, span(259, 116, 265, 116), Colour::Black);

    // The drain: a bore through the bottom closed by a small knob.
    fill(p, span(c - 3, 457, c - 3, 466), Colour::Black);
    fill(p, span(c + 3, 457, c + 3, 466), Colour::Black);
    fill(p, span(c - 9, 467, c + 9, 479), Colour::Black);
    fill(p, span(c - 12, 471, c + 12, 476), Colour::Black);
    for (int x = c - 10; x <= c + 10; x += 4)
        fill(p, span(x, 472, x, 475), Colour::DeepGrey);
}

// A shape drawn from rows of characters centred on `centre`: 'e' the water's
// edge, 'w' water, 'd' dirt.
void drawBlob(QPainter &p, QPoint centre, const QList<const char *> &rows)
{
    const int height = int(rows.size());
    for (int y = 0; y < height; ++y) {
        const int width = int(qstrlen(rows[y]));
        for (int x = 0; x < width; ++x) {
            const char c = rows[y][x];
            if (c == '.')
                continue;
            fill(p, QRect(centre.x() - width / 2 + x, centre.y() - height / 2 + y, 1, 1),
                 c == 'e' ? kWaterEdge : c == 'w' ? kWater : kDirt);
        }
    }
}

void drawDroplet(QPainter &p, QPoint centre)
{
    drawBlob(p, centre, {".ee.", "ewwe", "ewwe", ".ee."});
}

void drawParticle(QPainter &p, QPoint centre)
{
    drawBlob(p, centre, {"ddd", "ddd", "ddd"});
}

// What the swirl separates from the air: water and dirt carried in at the inlet,
// flung out against the wall and running down it, and the condensate, with the
// dirt settled at its bottom, standing over the drain.
void drawFilterCondensate(QPainter &p, int frame)
{
    const int c = kFilterAxis;
    p.save();
    p.setClipRect(span(0, kCondensateLevel, 320, 470));
    fillRoundBottomed(p, c, 119, 88, 414, 44, kWater);
    p.restore();
    fill(p, span(c - 87, kCondensateLevel, c + 87, kCondensateLevel), kWaterEdge);
    for (const QPoint at : {QPoint(128, 448), QPoint(196, 447), QPoint(140, 452), QPoint(183, 451),
                            QPoint(152, 455), QPoint(171, 454)})
        fill(p, QRect(at, QSize(3, 2)), kDirt);
    fill(p, span(c - 2, 457, c + 2, 466), kWater);   // in the drain, down to its closed knob

    if (kInletFlows[frame]) {
        FleckSequence random(quint32(500 + frame));
        for (int i = 0; i < 8; ++i) {
            const QPoint at = i < 5 ? QPoint(40 + random.below(50), 57 + random.below(15))
                                    : QPoint(78 + random.below(14), 82 + random.below(32));
            if (i % 2 == 0)
                drawParticle(p, at);
            else
                drawDroplet(p, at);
        }
    }

    for (const WallDrop &d : kWallDrops) {
        const int row = wallDropRow(d, frame);
        const int wall = d.side < 0 ? c - 88 : c + 88;      // the last column of the bowl's inside
        const int centre = wall - d.side * 3;
        // The wet trail it leaves on the wall above it.
        fill(p, span(qMin(wall, wall - d.side), qMax(d.landsAt, row - 20), qMax(wall, wall - d.side), row), kWater);
        drawBlob(p, {centre, row}, {"...e...", "..ewe..", ".ewwwe.", "ewwwwwe", d.dirty ? "ewwdwwe" : "ewwwwwe",
                                    "ewwwwwe", ".ewwwe.", "..eee.."});
        // Landing, with the drops and particles flung out of the swirl beside it.
        if (row == d.landsAt)
            for (int k = 1; k <= 3; ++k) {
                const QPoint at(centre - d.side * 6 * k, row - 8 * k);
                if (k == 2)
                    drawParticle(p, at);
                else
                    drawDroplet(p, at);
            }
    }
}

void drawFilterElement(QPainter &p)
{
    const int c = kFilterAxis;
    // Inside the element: filtered air rising to the outlet.
    fillPolygon(p, QPolygon({{c - 38, 119}, {c + 38, 119}, {c + 20, 320}, {c - 20, 320}}), Colour::Red, Colour::Red);

    // The porous walls, narrowing downwards, with the grain of the sintered material.
    const QPolygon left({{c - 49, 125}, {c - 38, 125}, {c - 20, 320}, {c - 31, 320}});
    const QPolygon right({{c + 49, 125}, {c + 38, 125}, {c + 20, 320}, {c + 31, 320}});
    for (const QPolygon &wall : {left, right}) {
        part(p, wall, Colour::LightGrey);
        const QRect box = wall.boundingRect();
        for (int y = box.top() + 3; y < box.bottom() - 1; y += 4)
            for (int x = box.left() + (y / 4) % 3; x <= box.right(); x += 3)
                if (wall.containsPoint(QPoint(x - 1, y), Qt::OddEvenFill) && wall.containsPoint(QPoint(x + 1, y), Qt::OddEvenFill))
                    fill(p, QRect(x, y, 1, 1), Colour::MidGrey);
    }
    // The gasket ring at the top and the end cap at the bottom.
    fillOutlined(p, span(c - 54, 119, c - 37, 125), Colour::DarkGrey);
    fillOutlined(p, span(c + 37, 119, c + 54, 125), Colour::DarkGrey);
    fillOutlined(p, span(c - 35, 320, c + 35, 329), Colour::DarkGrey);
    fill(p, span(c - 33, 323, c + 33, 323), Colour::MidGrey);

    // The deflector sleeve, with its lower edge turned outwards.
    for (int side : {-1, 1}) {
        const int inner = c + side * 59;
        const int outer = c + side * 63;
        part(p, QPolygon({{inner, 119}, {outer, 119}, {outer, 226}, {outer + side * 5, 233}, {inner + side * 4, 233}, {inner, 227}}),
             Colour::DarkGrey);
    }

    // The core, screwed into the head, and its stem down to the plate over the
    // baffle, a shallow cone above the quiet zone where the water settles. None of
    // it moves: light grey like the other fixed parts.
    fillOutlined(p, span(c - 3, 120, c + 3, 353), Colour::LightGrey);
    fillOutlined(p, span(c - 9, 34, c + 9, 126), Colour::LightGrey);
    for (int y = 37; y <= 49; y += 3)
        fill(p, span(c - 8, y, c + 8, y), Colour::Black);
    fillOutlined(p, span(c - 16, 352, c + 16, 357), Colour::LightGrey);
    for (int side : {-1, 1}) {
        for (int offset : {0, 4}) {
            drawLine(p, {c + side * 16, 358 + offset}, {c + side * 76, 381 + offset}, Colour::Black);
        }
        drawLine(p, {c + side * 76, 381}, {c + side * 76, 385}, Colour::Black);
    }
}

// The swirl below the deflector: a helix round the element, descending one pitch
// a turn, drawn where it passes beside the element (the element hides the rest).
// Each turn shows on either side as a bend at the wall: the front of the turn
// (lower, a solid line with an arrowhead where it leaves the wall) and the back
// (higher, dotted). The turns move down a third of a pitch from frame to frame.
// Only air (red) is drawn over, so walls, drops and parts stay as they are.
void drawFilterSwirl(QImage &picture, int frame)
{
    constexpr int kRadius = 80;        // from the axis to where each turn meets the wall
    constexpr double kTilt = 12.0;      // half the height of a turn seen at a slant
    constexpr int kPitch = 27;
    constexpr int kTop = 238;          // just below the deflector's foot
    constexpr int kBottom = 346;       // above the baffle's rim
    constexpr int kClear = 45;         // the element and the stem under it
    const QRgb white = QColor(Colour::White).rgb();
    const QRgb red = QColor(Colour::Red).rgb();
    auto paint = [&](int x, int y) {
        if (y >= kTop && y <= kBottom && std::abs(x - kFilterAxis) >= kClear && picture.valid(x, y)
            && picture.pixel(x, y) == red)
            picture.setPixel(x, y, white);
    };
    const double shift = (frame % 3) * kPitch / 3.0;
    for (double start = kTop - 2 * kPitch + shift; start < kBottom; start += kPitch) {
        // theta runs round the bowl: 0 at the right wall, pi / 2 at the front.
        for (int step = 0; step < 720; ++step) {
            const double theta = step * M_PI / 360.0;
            const double sine = std::sin(theta);
            const bool front = sine > 0;
            if (!front && step % 3 != 0)
                continue;
            const int x = int(std::lround(kFilterAxis + kRadius * std::cos(theta)));
            const int y = int(std::lround(start + kTilt * sine + kPitch * theta / (2 * M_PI)));
            paint(x, y);
            if (front)
                paint(x, y + 1);
        }
        // Arrowheads on the front of the turn, pointing the way the air goes round:
        // leftwards at the front, so away from the right wall and towards the left.
        for (int side : {-1, 1}) {
            const double theta = side > 0 ? M_PI / 4 : 3 * M_PI / 4 + 0.25;
            const int x = int(std::lround(kFilterAxis + kRadius * std::cos(theta)));
            const int y = int(std::lround(start + kTilt * std::sin(theta) + kPitch * theta / (2 * M_PI)));
            for (int back = 1; back <= 4; ++back)
                for (int across = -back / 2 - 1; across <= back / 2 + 1; ++across)
                    paint(x + back, y + across);
        }
    }
}

QImage drawFilter(int frame, QSize size)
{
    QImage picture = blankPicture(size);
    {
        PicturePainter p(&picture);
        drawFilterBowl(p);
        drawFilterHead(p);
        drawFilterCondensate(p, frame);
        drawFilterElement(p);
        drawPortArrow(p, {kFilterHead.left(), 64}, Side::Left, Flow::In);
        drawPortArrow(p, {kFilterHead.right(), 64}, Side::Right, Flow::Out);
    }
    const FleckColours streak = {{Colour::Red, Colour::White}};
    for (FilterStreak which : kFilterFrames[frame]) {
        quint32 seed = quint32(frame * 100 + which * 10);
        for (const QList<QPoint> &path : kFilterStreakPaths[which])
            drawStreaks(picture, path, 14, streak, ++seed);
    }
    if (kSwirls[frame])
        drawFilterSwirl(picture, frame);
    return picture;
}

// ==== Pressure regulator ========================================================
// Inlet air reaches the valve chamber at the top, where a small spring presses the
// disc towards its seat. Under the diaphragm the main spring, set by the adjusting
// screw, pushes the plate, the stem and the disc up: at rest the valve stands open.
// Air passes the seat into the chamber above the diaphragm and on to the outlet; as
// the outlet pressure rises it pushes the diaphragm down against the main spring,
// and the disc comes down towards its seat, throttling the flow.

constexpr int kRegulatorAxis = 125;
const QRect kRegulatorBody = span(36, 14, 212, 146);
const QRect kRegulatorKnob = span(95, 262, 155, 279);
constexpr int kDiaphragmRow = 147;   // top row of the flat diaphragm
constexpr int kSeatRow = 61;         // the first row of the seat bore, under the disc

struct RegulatorFrame {
    int lift;          // how far the disc, stem and diaphragm plate stand above the seat
    QRgb inlet;        // inlet passage and valve chamber
    QRgb outlet;       // seat bore, chamber above the diaphragm and outlet passage
    quint32 fleck;   // seed of the pale fleck of flowing air; 0 for none
    bool textured;
};

// No air and the valve wide open; air arrives; the outlet fills and the diaphragm
// gives way, closing the valve down to a narrow gap, still plainly open, that
// passes what flows out: the valve regulates by throttling, never shutting while
// air is used downstream.
// Past the seat the air is at the lower, regulated pressure: orange against the
// red of the inlet.
const RegulatorFrame kRegulatorFrames[6] = {
    {9, Colour::White, Colour::White, 0, false},
    {9, Colour::Red, Colour::White, 0, false},
    {6, Colour::Red, Colour::Orange, 21, false},
    {6, Colour::Red, Colour::Orange, 31, false},
    {4, Colour::Red, Colour::Orange, 41, false},
    {4, Colour::Red, Colour::Orange, 41, true},
};

void drawRegulatorBody(QPainter &p, const RegulatorFrame &frame)
{
    const QRect &body = kRegulatorBody;
    drawSectionBody(p, body);
    cutHollows(p, body, {{span(36, 84, 79, 97), frame.inlet},         // the inlet
                         {span(66, 36, 79, 97), frame.inlet},         // rising to the top
                         {span(66, 36, 99, 49), frame.inlet},
                         {span(99, 26, 151, 60), frame.inlet},        // the valve chamber
                         {span(118, kSeatRow, 132, 116), frame.outlet}, // the seat bore
                         {span(56, 116, 194, 146), frame.outlet},     // above the diaphragm
                         {span(172, 84, 185, 116), frame.outlet},     // rising to the outlet
                         {span(172, 84, 212, 97), frame.outlet}});    // the outlet
}

void drawRegulatorHousing(QPainter &p)
{
    const int c = kRegulatorAxis;
    part(p, QPolygon({{40, 149}, {208, 149}, {208, 158}, {194, 166}, {176, 250}, {c + 14, 250}, {c + 14, 258},
                      {c - 14, 258}, {c - 14, 250}, {74, 250}, {56, 166}, {40, 158}}),
         Colour::LightGrey);
    part(p, QPolygon({{58, 149}, {192, 149}, {192, 162}, {170, 241}, {80, 241}, {58, 162}}), Colour::LightYellow);
    fill(p, span(59, 149, 191, 149), Colour::LightYellow);
}

// The diaphragm, clamped at its rim, its middle lifted by `lift` rows: a rubber
// sheet, dark grey like the other moving parts.
void drawDiaphragm(QPainter &p, int lift)
{
    auto topRow = [lift](int x) {
        const int rise = x < 60 || x > 190 ? 0
                         : x < 92          ? int(std::lround(lift * (x - 60) / 32.0))
                         : x > 158         ? int(std::lround(lift * (190 - x) / 32.0))
                                           : lift;
        return kDiaphragmRow - rise;
    };
    for (int x = 40; x <= 208; ++x) {
        const int top = topRow(x);
        if (x >= 59 && x <= 191)
            fill(p, span(x, top + 2, x, kDiaphragmRow + 1), Colour::LightYellow);
        fill(p, span(x, top, x, top + 1), Colour::DarkGrey);
    }
}

void drawRegulatorParts(QPainter &p, int lift)
{
    const int c = kRegulatorAxis;
    const int plateTop = kDiaphragmRow - lift - 6;
    const int discBottom = kSeatRow - 1 - lift;

    // The valve: disc, its closing spring and the stem down to the diaphragm plate,
    // moving parts in dark grey; only what the knob adjusts is dark red.
    drawCoilSpring(p, span(c - 11, 27, c + 11, discBottom - 8), 4, Qt::Vertical);
    fillOutlined(p, span(c - 20, discBottom - 7, c + 20, discBottom), Colour::DarkGrey);
    fill(p, span(c - 18, discBottom - 1, c + 18, discBottom), Colour::Black);   // the seal face
    fillOutlined(p, span(c - 3, discBottom + 1, c + 3, plateTop), Colour::DarkGrey);

    // The diaphragm between its two plates, and the main spring.
    drawDiaphragm(p, lift);
    fillOutlined(p, span(c - 30, plateTop, c + 30, plateTop + 5), Colour::DarkGrey);
    fillOutlined(p, span(c - 25, kDiaphragmRow + 2 - lift, c + 25, kDiaphragmRow + 5 - lift), Colour::DarkGrey);
    drawCoilSpring(p, span(c - 24, kDiaphragmRow + 6 - lift, c + 24, 229), 6, Qt::Vertical);

    // The spring plate on the adjusting screw, and the knob that turns it.
    fillOutlined(p, span(c - 30, 230, c + 30, 235), Colour::DarkRed);
    fillOutlined(p, span(c - 6, 236, c + 6, 262), Colour::DarkRed);
    for (int y = 244; y <= 258; y += 3)
        fill(p, span(c - 5, y, c + 5, y), Colour::Black);
    fillOutlined(p, kRegulatorKnob, Colour::MidGrey);
    for (int x = kRegulatorKnob.left() + 5; x < kRegulatorKnob.right() - 2; x += 5)
        fill(p, span(x, kRegulatorKnob.top() + 3, x, kRegulatorKnob.bottom() - 3), Colour::DeepGrey);
}

QImage drawRegulator(int index, QSize size)
{
    const RegulatorFrame &frame = kRegulatorFrames[index];
    QImage picture = blankPicture(size);
    {
        PicturePainter p(&picture);
        drawRegulatorHousing(p);
        drawRegulatorBody(p, frame);
        drawRegulatorParts(p, frame.lift);
        drawPortArrow(p, {kRegulatorBody.left(), 91}, Side::Left, Flow::In);
        drawPortArrow(p, {kRegulatorBody.right(), 91}, Side::Right, Flow::Out);
    }
    if (frame.fleck != 0)
        scatterFlecks(picture, picture.rect(), {{Colour::Red, Colour::White}, {Colour::Orange, Colour::White}}, 0.06,
                      frame.fleck);
    if (frame.textured) {
        dotTexture(picture, kRegulatorBody, Colour::LightGrey, Colour::MidGrey);
        dotTexture(picture, kRegulatorKnob, Colour::MidGrey, Colour::LightGrey);
    }
    return picture;
}

// ==== Lubricator ================================================================
// The air through the head pressurises the bowl, which pushes oil up the riser to
// the sight dome, where it drips into the drip chamber and drains to the nozzle.
// At the nozzle's narrow throat the passing air draws the oil out as a fine mist.
// The air is under pressure in every frame; at first it stands still, then it flows
// faster and faster (pale flecks), and the oil starts to rise and drip. While it
// flows, the air speeding through the throat and the nozzle's bore over it are at
// a lower pressure (orange) than the bowl (red): that difference lifts the oil.
// Once the oil reaches the nozzle, drops of it leave the nozzle's tip and the air
// carries them on to the outlet, a few more each frame.

const QRect kLubricatorHead = span(28, 104, 250, 208);
const QRect kLubricatorPassage = span(28, 133, 250, 169);
constexpr int kBowlAxis = 139;
constexpr int kOilLevel = 326;
constexpr int kDripAxis = 170;
const QRect kRiserTube = span(89, 174, 97, 440);
const QRect kLubricatorThroat = span(166, 136, 208, 166);   // the passage over the throat's narrowest part

struct LubricatorFrame {
    double airFlecks;        // density of the pale flecks of moving air in the passage
    QList<int> drops;        // rows of the oil drops in the drip chamber
    bool oilRising;          // the riser and the line to the dome carry oil
    QList<QPoint> carried;   // oil drops carried to the outlet; the first one just leaves the nozzle
    bool oilMist;            // the finest oil, as specks past the nozzle
};

const LubricatorFrame kLubricatorFrames[6] = {
    {0.0, {}, false, {}, false},
    {0.012, {52}, true, {}, false},
    {0.03, {52, 74}, true, {}, false},
    {0.09, {52, 66, 86}, true, {{187, 158}, {205, 154}}, false},
    {0.16, {52, 62, 76, 90}, true, {{187, 158}, {208, 153}, {228, 156}}, false},
    {0.24, {52, 60, 70, 81, 92}, true, {{187, 158}, {203, 155}, {219, 152}, {233, 156}, {243, 152}}, true},
};

constexpr QRgb kLubricatorAir = Colour::Red;
constexpr QRgb kOil = Colour::LightYellow;

void drawOilDrop(QPainter &p, QPoint centre)
{
    static const char *const shape[] = {"..#..", "..#..", ".###.", "#####", "#####", ".###."};
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 5; ++column)
            if (shape[row][column] == '#')
                fill(p, QRect(centre.x() - 2 + column, centre.y() - 3 + row, 1, 1), kOil);
}

// A drop of oil carried by the air: oil edged in black, so it stands out from the
// single pale flecks of the moving air. One just leaving the nozzle's tip is
// smaller, fitting between the tip and the throat.
void drawCarriedOil(QPainter &p, QPoint centre, bool leaving)
{
    static const QList<const char *> small = {".####.", "#oooo#", "#oooo#", "#oooo#", ".####."};
    static const QList<const char *> large = {"..####..", ".#oooo#.", "#oooooo#", "#oooooo#", ".#oooo#.", "..####.."};
    const QList<const char *> &shape = leaving ? small : large;
    const int width = int(qstrlen(shape[0]));
    for (int row = 0; row < shape.size(); ++row)
        for (int column = 0; column < width; ++column)
            if (shape[row][column] != '.')
                fill(p, QRect(centre.x() - width / 2 + column, centre.y() - 2 + row, 1, 1),
                     shape[row][column] == 'o' ? kOil : Colour::Black);
}

void drawLubricatorBowl(QPainter &p)
{
    const int c = kBowlAxis;
    fillRoundBottomed(p, c, 207, 92, 414, 38, Colour::Black);
    fillRoundBottomed(p, c, 207, 91, 414, 37, Colour::LightGrey);
    fillRoundBottomed(p, c, 207, 86, 414, 32, Colour::Black);
    fillRoundBottomed(p, c, 207, 85, 414, 31, kLubricatorAir);
    p.save();
    p.setClipRect(span(0, kOilLevel, 300, 470));
    fillRoundBottomed(p, c, 207, 85, 414, 31, kOil);
    p.restore();

    fillOutlined(p, span(38, 202, 48, 226), Colour::DarkGrey);
    fillOutlined(p, span(230, 202, 240, 226), Colour::DarkGrey);
    // The filler plug at the bottom.
    fillOutlined(p, span(c - 9, 451, c + 9, 460), Colour::MidGrey);
}

void drawLubricatorHead(QPainter &p, const LubricatorFrame &frame)
{
    const QRect &head = kLubricatorHead;
    const int d = kDripAxis;

    // The sight dome: a grey cap over the drip chamber, which narrows at its foot
    // into the drain.
    fillRoundTopped(p, d, 13, 45, 34, 106, Colour::Black);
    fillRoundTopped(p, d, 14, 44, 33, 106, Colour::LightGrey);
    fillRoundTopped(p, d, 35, 23, 21, 88, Colour::Black);
    fillRoundTopped(p, d, 36, 22, 20, 88, Colour::Pink);
    for (int y = 89; y <= 100; ++y) {
        const int reach = 22 - (y - 88) * 19 / 12;
        fill(p, span(d - reach - 1, y, d + reach + 1, y), Colour::Black);
        fill(p, span(d - reach, y, d + reach, y), Colour::Pink);
    }

    drawSectionBody(p, head);
    cutHollows(p, head, {{span(28, 136, 250, 166), kLubricatorAir},   // the air passage
                         {span(58, 167, 61, 208), kLubricatorAir},    // air into the bowl
                         {span(89, 174, 97, 208), kLubricatorAir},    // the riser's seat
                         {span(175, 108, 199, 135), kLubricatorAir}});  // the nozzle's bore
    if (frame.airFlecks > 0) {
        fill(p, kLubricatorThroat, Colour::Orange);
        fill(p, span(176, 108, 198, 135), Colour::Orange);
    }
    // The throat under the nozzle.
    part(p, QPolygon({{150, 167}, {166, 160}, {208, 160}, {224, 167}}), Colour::LightGrey);
    fill(p, span(150, 167, 224, 167), Colour::Black);

    // The riser tube and the thin line on to the top of the drip chamber. Below the
    // oil level the tube is full of oil; above it, and in the line, the oil rises
    // once air flows.
    fill(p, kRiserTube, Colour::Black);
    fill(p, kRiserTube.adjusted(1, 0, -1, 0), frame.oilRising ? kOil : Colour::White);
    fill(p, span(kRiserTube.left() + 1, kOilLevel, kRiserTube.right() - 1, kRiserTube.bottom()), kOil);
    const QList<QPoint> line = {{93, 174}, {93, 114}, {136, 114}, {136, 28}, {d, 28}, {d, 47}};
    drawStroke(p, line, Colour::Black, 4);
    drawStroke(p, line, frame.oilRising ? kOil : Colour::White, 2);

    // The drip chamber drains down a thin channel into the nozzle.
    const QList<QPoint> drain = {{d, 99}, {d, 129}, {176, 129}};
    drawStroke(p, drain, Colour::Black, 4);
    drawStroke(p, drain, Colour::Pink, 2);
    for (int row : frame.drops)
        drawOilDrop(p, {d, row});

    // The nozzle: a tube into the throat with the needle in it, held by a small spring.
    drawCoilSpring(p, span(177, 108, 197, 122), 3, Qt::Vertical);
    fillOutlined(p, span(177, 122, 197, 126), Colour::BlueGrey);
    fillOutlined(p, span(185, 127, 189, 150), Colour::BlueGrey);
    fillPolygon(p, QPolygon({{185, 151}, {189, 151}, {187, 155}}), Colour::BlueGrey, Colour::Black);
    fillOutlined(p, span(178, 132, 182, 156), Colour::DarkGrey);
    fillOutlined(p, span(192, 132, 196, 156), Colour::DarkGrey);
}

QImage drawLubricator(int index, QSize size)
{
    const LubricatorFrame &frame = kLubricatorFrames[index];
    QImage picture = blankPicture(size);
    {
        PicturePainter p(&picture);
        drawLubricatorBowl(p);
        drawLubricatorHead(p, frame);
        drawPortArrow(p, {kLubricatorHead.left(), 151}, Side::Left, Flow::In, 0, 24);
        drawPortArrow(p, {kLubricatorHead.right(), 151}, Side::Right, Flow::Out, 0, 24);
        for (qsizetype i = 0; i < frame.carried.size(); ++i)
            drawCarriedOil(p, frame.carried[i], i == 0);
    }
    if (frame.oilMist) {
        drawStreaks(picture, {{187, 157}, {250, 151}}, 18, {{kLubricatorAir, kOil}, {Colour::Orange, kOil}}, 57);
        scatterFlecks(picture, span(198, 136, 250, 166), {{kLubricatorAir, kOil}}, 0.08, 58);
    }
    scatterFlecks(picture, kLubricatorPassage, {{kLubricatorAir, Colour::White}, {Colour::Orange, Colour::White}},
                  frame.airFlecks, 70 + quint32(index));
    return picture;
}

// ==== Symbols ===================================================================

constexpr QPoint kSymbolCentre(67, 37);
constexpr int kDiamondHalf = 26;

void drawUnitWithPorts(QPainter &p)
{
    drawDiamond(p, kSymbolCentre, kDiamondHalf);
    const int y = kSymbolCentre.y();
    drawStroke(p, {{14, y}, {kSymbolCentre.x() - kDiamondHalf, y}});
    drawStroke(p, {{kSymbolCentre.x() + kDiamondHalf, y}, {120, y}});
}

QImage drawFilterSymbol(int, QSize size)
{
    QImage picture = blankPicture(size);
    PicturePainter p(&picture);
    drawUnitWithPorts(p);
    const int x = kSymbolCentre.x();
    const int top = kSymbolCentre.y() - kDiamondHalf;
    const int bottom = kSymbolCentre.y() + kDiamondHalf;
    drawDashedStroke(p, {{x, top + 2}, {x, bottom - 2}});
    // The water trap: a line across the bottom corner.
    drawStroke(p, {{x - 8, bottom - 8}, {x + 8, bottom - 8}});
    return picture;
}

QImage drawRegulatorSymbol(int, QSize size)
{
    QImage picture = blankPicture(size);
    PicturePainter p(&picture);
    const QRect square = span(52, 28, 84, 60);
    const int y = 44;
    drawStroke(p, {square.topLeft(), square.topRight(), square.bottomRight(), square.bottomLeft(), square.topLeft()});
    drawStroke(p, {{30, y}, {106, y}});
    drawArrowhead(p, {double(square.left()), y - 0.5}, {square.right() - 2.0, y - 0.5}, 11, 5);
    drawLetter(p, {21, y}, QStringLiteral("P"));
    drawLetter(p, {115, y}, QStringLiteral("A"));

    // The adjustable spring on top.
    drawUprightZigZag(p, span(62, 4, 74, square.top() - 1), 3);
    drawLine(p, {54, 26}, {80, 6}, Colour::Black);
    drawArrowhead(p, {54, 26}, {84, 3}, 8, 3);

    // The outlet pressure fed back under the square.
    drawDashedStroke(p, {{98, y}, {98, 68}, {68, 68}, {68, square.bottom()}});
    return picture;
}

QImage drawLubricatorSymbol(int, QSize size)
{
    QImage picture = blankPicture(size);
    PicturePainter p(&picture);
    drawUnitWithPorts(p);
    const int top = kSymbolCentre.y() - kDiamondHalf;
    drawStroke(p, {{kSymbolCentre.x(), top}, {kSymbolCentre.x(), top + 16}});
    return picture;
}

} // namespace

QList<ArtworkEntry> airTreatmentArtwork()
{
    return {
        {PageName::Filter, QStringLiteral("picFiltre"), drawFilter},
        {PageName::Filter, QStringLiteral("Image1"), drawFilterSymbol},
        {PageName::PressureRegulator, QStringLiteral("picRegPressió"), drawRegulator},
        {PageName::PressureRegulator, QStringLiteral("Image1"), drawRegulatorSymbol},
        {PageName::Lubricator, QStringLiteral("picLubrificant"), drawLubricator},
        {PageName::Lubricator, QStringLiteral("ImgSimbol"), drawLubricatorSymbol},
    };
}
