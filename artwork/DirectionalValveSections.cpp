// SPDX-License-Identifier: GPL-3.0-or-later
// The 3/2, 4/2 and 5/2 push-button valves in section: a spool in a horizontal bore,
// returned to the right by a coil spring at the left end and pushed left by a push
// rod at the right end. The body and its cavities stay put from frame to frame; the
// spool, spring, rod, the colour of the air and the flow arrows change.
#include "Artwork.h"
#include "PageNames.h"
#include "Canvas.h"
#include "DrawingBasics.h"
#include "Palette.h"
#include "SectionParts.h"

namespace {

enum class PortFlow { None, In, Out };

struct Port {
    QString name;
    Side side;          // Top or Bottom
    int centre;         // x of the port's axis
    QPoint letter;      // centre of its bold letter; null for no letter
    int arrowAcross;    // how far the flow arrow stands beside the port's axis
};

// What stays the same in every frame of one valve.
struct SpoolValve {
    QRect body;
    QRect bore;                     // from the spring chamber's end wall to the rod's end wall
    QList<QPair<int, int>> lands;   // column ranges at rest
    int stemHeight;
    QList<Port> ports;
    int portWidth;
    QList<Cavity> passages;         // vents and linking passages, always the same colour
    int rodSealX;                   // where the rod's seals sit in the right end wall
    int headGap;                    // between the body and the button when pressed fully in
    int travel;                     // the spool's full stroke
    int springCoils;
};

// One frame: how far the spool has moved left, the colour of each space of the bore
// (left of the first land, between the lands, right of the last), the colour of each
// port passage and the flow through each port, in the order of SpoolValve::ports.
struct ValveFrame {
    int shift;
    QList<QRgb> spaces;
    QList<QRgb> ports;
    QList<PortFlow> flows;
};

constexpr QRgb R = Colour::Red;
constexpr QRgb B = Colour::Blue;
constexpr QRgb W = Colour::White;
constexpr PortFlow No = PortFlow::None;
constexpr PortFlow In = PortFlow::In;
constexpr PortFlow Out = PortFlow::Out;

QPoint mouthOf(const SpoolValve &valve, const Port &port)
{
    return {port.centre, port.side == Side::Top ? valve.body.top() : valve.body.bottom()};
}

QImage drawSpoolValve(const SpoolValve &valve, const ValveFrame &frame, QSize size)
{
    QImage picture = blankPicture(size);
    PicturePainter p(&picture);
    const QRect &bore = valve.bore;
    const int centreY = (bore.top() + bore.bottom() + 1) / 2;
    const int rodHeight = valve.stemHeight;

    drawSectionBody(p, valve.body);
    QList<Cavity> cavities = {{bore, Colour::White}};
    // The push rod's guide through the right end wall; the rod fills it.
    cavities.append({QRect(QPoint(bore.right(), centreY - rodHeight / 2 + 1),
                           QPoint(valve.body.right(), centreY + rodHeight / 2 - 2)),
                     Colour::White});
    cavities += valve.passages;
    for (qsizetype i = 0; i < valve.ports.size(); ++i) {
        const Port &port = valve.ports[i];
        cavities += portPassage(valve.body, port.side, port.centre, valve.portWidth,
                                port.side == Side::Top ? bore.top() : bore.bottom(), frame.ports[i]);
    }
    drawCavities(p, valve.body, cavities);

    QList<QPair<int, int>> lands = valve.lands;
    for (auto &[left, right] : lands) {
        left += frame.shift;
        right += frame.shift;
    }
    QList<int> edges = {bore.left()};
    for (const auto &[left, right] : lands)
        edges << left << right;
    edges << bore.right() + 1;
    for (qsizetype i = 0; i < frame.spaces.size(); ++i)
        p.fillRect(QRect(QPoint(edges[2 * i], bore.top()), QPoint(edges[2 * i + 1] - 1, bore.bottom())),
                   QColor::fromRgb(frame.spaces[i]));

    drawCoilSpring(p, QRect(QPoint(bore.left(), bore.top() + 3), QPoint(lands.first().first - 1, bore.bottom() - 3)),
                   valve.springCoils);
    drawSpool(p, {bore.top(), bore.bottom(), lands, valve.stemHeight});
    const int headX = valve.body.right() + 1 + valve.headGap + valve.travel + frame.shift;
    drawPushRod(p, lands.last().second - 1, headX, centreY, Side::Right, rodHeight, bore.height() - 4);
    drawSealSquare(p, QPoint(valve.rodSealX, centreY - rodHeight / 2));
    drawSealSquare(p, QPoint(valve.rodSealX, centreY + rodHeight / 2 - 1));

    for (qsizetype i = 0; i < valve.ports.size(); ++i) {
        const Port &port = valve.ports[i];
        const QPoint mouth = mouthOf(valve, port);
        if (frame.flows[i] != PortFlow::None)
            drawPortArrow(p, mouth, port.side, frame.flows[i] == PortFlow::In ? Flow::In : Flow::Out, port.arrowAcross);
        if (!port.letter.isNull())
            drawLetter(p, port.letter, port.name, 16);
    }
    return picture;
}

// ---- 3/2 ---------------------------------------------------------------------
// A on top, P and R below. At rest the waist joins A to R; pushed in, it joins P to A.
// P holds the supply's pressure up to the land that closes it, as on the other valves.
// The port positions suit the program's labels "A", "Pressió" and "Escapament",
// which stand just right of A and under P and R.
const SpoolValve valve32 = {
    .body = QRect(QPoint(70, 70), QPoint(330, 190)),
    .bore = QRect(QPoint(86, 109), QPoint(299, 151)),
    .lands = {{164, 204}, {248, 288}},
    .stemHeight = 14,
    .ports = {{"A", Side::Top, 210, {}, 0}, {"P", Side::Bottom, 176, {}, 0}, {"R", Side::Bottom, 244, {}, 0}},
    .portWidth = 10,
    .passages = {{QRect(QPoint(96, 152), QPoint(98, 190)), Colour::White},
                 {QRect(QPoint(293, 70), QPoint(295, 108)), Colour::White}},
    .rodSealX = 318,
    .headGap = 4,
    .travel = 34,
    .springCoils = 7,
};

const ValveFrame frames32[6] = {
    //  shift  spaces (chamber, waist, rod end)  ports (A, P, R)   flows (A, P, R)
    {0,   {W, B, W}, {B, R, B}, {In, No, Out}},
    {-5,  {W, B, W}, {B, R, B}, {In, No, Out}},
    {-13, {W, B, W}, {B, R, W}, {No, No, No}},
    {-19, {W, B, W}, {B, R, W}, {No, No, No}},
    {-29, {W, R, W}, {R, R, W}, {Out, In, No}},
    {-34, {W, R, W}, {R, R, W}, {Out, In, No}},
};

// ---- 4/2 ---------------------------------------------------------------------
// T, A, P, B along the bottom. T opens into the spring chamber, which a passage
// arching over the bore joins to the bore's right end: all exhaust, always blue.
// At rest the space between the lands joins P to B and A empties into the spring
// chamber; pushed in, it joins P to A and B empties into the bore's right end, as
// the circuit and the symbol show.
const SpoolValve valve42 = {
    .body = QRect(QPoint(54, 62), QPoint(356, 192)),
    .bore = QRect(QPoint(68, 118), QPoint(339, 161)),
    .lands = {{166, 200}, {291, 325}},
    .stemHeight = 14,
    .ports = {{"T", Side::Bottom, 85, {85, 208}, 14},
              {"A", Side::Bottom, 150, {150, 208}, 14},
              {"P", Side::Bottom, 215, {215, 208}, 14},
              {"B", Side::Bottom, 275, {275, 208}, 14}},
    .portWidth = 12,
    .passages = {{QRect(QPoint(74, 80), QPoint(81, 118)), Colour::Blue},
                 {QRect(QPoint(74, 80), QPoint(335, 87)), Colour::Blue},
                 {QRect(QPoint(328, 80), QPoint(335, 118)), Colour::Blue}},
    .rodSealX = 348,
    .headGap = 4,
    .travel = 60,
    .springCoils = 6,
};

// One press and release a cycle, second by second with the circuit on the page:
// the button goes in at once and stays in for three seconds, then the spring
// brings the spool back for three. A valve changes over far quicker than a
// second, so the spool is shown only at its two ends, as the symbol shows it.
// Air flows through the ports while the cylinder moves; once the piston has
// reached its end (the second the valve changes over again comes after it),
// the lines hold their pressure and nothing flows.
const ValveFrame frames42[6] = {
    //  shift  spaces (chamber, between, rod end)  ports (T, A, P, B)   flows (T, A, P, B)
    {0,   {B, R, B}, {B, B, R, R}, {No, No, No, No}},
    {-60, {B, R, B}, {B, R, R, B}, {Out, Out, In, In}},
    {-60, {B, R, B}, {B, R, R, B}, {Out, Out, In, In}},
    {-60, {B, R, B}, {B, R, R, B}, {No, No, No, No}},
    {0,   {B, R, B}, {B, B, R, R}, {Out, In, In, Out}},
    {0,   {B, R, B}, {B, B, R, R}, {Out, In, In, Out}},
};

// ---- 5/2 ---------------------------------------------------------------------
// A and B on top, T, P and R below, in the order of the symbol and the circuit:
// A above the gap between T and P, B above the gap between P and R. Three lands:
// at rest (spool right) the left space joins A to T and the middle space P to B,
// while R opens into the closed rod end of the bore; pushed in, the middle space
// joins P to A and B empties through the rod end into R, while T is left alone in
// the left space. The body's top-left corner is at (41, 51) in every frame,
// whatever the frame's size.
const SpoolValve valve52 = {
    .body = QRect(QPoint(41, 51), QPoint(379, 174)),
    .bore = QRect(QPoint(51, 91), QPoint(367, 134)),
    .lands = {{127, 153}, {222, 250}, {318, 346}},
    .stemHeight = 14,
    .ports = {{"A", Side::Top, 212, {228, 30}, 0},
              {"B", Side::Top, 308, {324, 30}, 0},
              {"T", Side::Bottom, 164, {180, 195}, 0},
              {"P", Side::Bottom, 260, {276, 195}, 0},
              {"R", Side::Bottom, 356, {372, 195}, 0}},
    .portWidth = 10,
    // The spring chamber breathes through a vent in the bottom wall.
    .passages = {{QRect(QPoint(62, 135), QPoint(64, 174)), Colour::White}},
    .rodSealX = 374,
    .headGap = 3,
    .travel = 48,
    .springCoils = 5,
};

// The same press and release as the 4/2 valve. An exhaust port that leads
// nowhere (R at rest, T pushed in) holds no air.
const ValveFrame frames52[6] = {
    //  shift  spaces (chamber, left, middle, rod end)  ports (A, B, T, P, R)   flows (A, B, T, P, R)
    {0,   {W, B, R, W}, {B, R, B, R, W}, {No, No, No, No, No}},
    {-48, {W, W, R, B}, {R, B, W, R, B}, {Out, In, No, In, Out}},
    {-48, {W, W, R, B}, {R, B, W, R, B}, {Out, In, No, In, Out}},
    {-48, {W, W, R, B}, {R, B, W, R, B}, {No, No, No, No, No}},
    {0,   {W, B, R, W}, {B, R, B, R, W}, {In, Out, Out, In, No}},
    {0,   {W, B, R, W}, {B, R, B, R, W}, {In, Out, Out, In, No}},
};

PictureDrawer drawerFor(const SpoolValve &valve, const ValveFrame (&frames)[6])
{
    return [&valve, &frames](int frame, QSize size) { return drawSpoolValve(valve, frames[frame], size); };
}

} // namespace

QList<ArtworkEntry> directionalValveSectionArtwork()
{
    return {
        {PageName::Valve32, QStringLiteral("picVàlvula32"), drawerFor(valve32, frames32)},
        {PageName::Valve42, QStringLiteral("picVàlvula42"), drawerFor(valve42, frames42)},
        {PageName::Valve52, QStringLiteral("picVàlvula52"), drawerFor(valve52, frames52)},
    };
}
