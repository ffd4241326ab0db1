// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the committed compressor pictures against what each frame must show: the
// piston following the crank through one revolution; suction, compression and
// delivery with the valves opening the way the air pushes them; the vane rotor
// turning inside a housing that stays put, filling its cells from the inlet and
// compressing them towards the outlet; colours from the one code of every page;
// and the symbol both pages share.
#include "PictureChecks.h"

#include <QFile>
#include <QImage>
#include <QtTest>
#include <cmath>

using namespace PictureChecks;

namespace {

constexpr QRgb kMidGrey = qRgb(132, 132, 132);
constexpr QRgb kLightGrey = qRgb(198, 198, 198);
constexpr QRgb kDarkGrey = qRgb(99, 99, 99);

// ---- Piston compressor: where things are in its 267 x 404 pictures.
constexpr int kAxisColumn = 133;     // the cylinder's axis, between the two valves
constexpr int kFirstBoreRow = 70;    // the first row under the head
constexpr int kPassageRow = 39;      // through both passages, above their arrows
constexpr int kInletValve = 104;     // the valves' axes
constexpr int kOutletValve = 162;
constexpr QPoint kShaft(133, 278);
constexpr double kCrankRadius = 45;

QImage pistonFrame(int frame)
{
    return committedFrame(QStringLiteral("frmCompressorDePistons"), QStringLiteral("picCompressorDePistons"), frame);
}

QImage vaneFrame(int frame)
{
    return committedFrame(QStringLiteral("frmCompressorDePaletes"), QStringLiteral("picCompressorDePaletes"), frame);
}

// The first row of the piston's crown on the cylinder's axis.
int pistonTop(const QImage &picture)
{
    for (int y = kFirstBoreRow; y < picture.height(); ++y)
        if (picture.pixel(kAxisColumn, y) == kMidGrey)
            return y;
    return -1;
}

// The inlet valve's head fills its conical seat in the roof of the cylinder when
// shut; open, it has left the seat and hangs below the roof, in the cylinder.
bool inletValveOpen(const QImage &picture)
{
    return picture.pixel(kInletValve - 16, 67) != kMidGrey && picture.pixel(kInletValve - 16, 73) == kMidGrey;
}

// The outlet valve's disc rests on its seat at the foot of the outlet passage when
// shut; open, it has risen into the passage and air lies under it.
bool outletValveOpen(const QImage &picture)
{
    return picture.pixel(kOutletValve - 13, 53) == Red && picture.pixel(kOutletValve - 13, 44) == kMidGrey;
}

bool hasArrow(const QImage &picture, int fromX, int toX)
{
    return coloursIn(picture, QRect(QPoint(fromX, 40), QPoint(toX, 51))).contains(Black);
}

// ---- Vane compressor.
constexpr QPointF kHousingCentre(262.5, 204.5);
constexpr double kHousingBore = 148;
constexpr QPointF kRotorCentre(232.5, 204.5);

} // namespace

class TestCompressorPictures final : public QObject {
    Q_OBJECT

private slots:
    void pistonFollowsTheCrank();
    void suctionCompressionAndDelivery();
    void valvesOpenTheWayTheAirPushes();
    void vaneRotorTurnsInAStillHousing();
    void vanesAndWorkingSpace();
    void vaneCellsFillAtTheInletAndCompressTowardsTheOutlet();
    void coloursComeFromTheCode_data();
    void coloursComeFromTheCode();
    void bothPagesShowTheSameSymbol();
};

void TestCompressorPictures::pistonFollowsTheCrank()
{
    QList<int> tops;
    for (int frame = 0; frame < 8; ++frame) {
        const QImage picture = pistonFrame(frame);
        QCOMPARE(picture.size(), QSize(267, 404));
        const int top = pistonTop(picture);
        QVERIFY2(top > 0, qPrintable(QString::number(frame)));
        tops << top;

        // The crank pin stands 45 degrees further anticlockwise every frame.
        const double angle = qDegreesToRadians(45.0 * frame);
        const QPoint pin = kShaft + QPoint(qRound(-kCrankRadius * std::sin(angle)), qRound(-kCrankRadius * std::cos(angle)));
        QVERIFY2(picture.pixel(pin) == kLightGrey, qPrintable(QStringLiteral("crank pin of frame %1").arg(frame)));
    }
    QCOMPARE(tops[0], kFirstBoreRow);  // top dead centre: no air space above the piston
    for (int frame = 1; frame <= 4; ++frame)
        QVERIFY2(tops[frame] > tops[frame - 1], qPrintable(QString::number(frame)));
    QCOMPARE(tops[7], tops[1]);
    QCOMPARE(tops[6], tops[2]);
    QCOMPARE(tops[5], tops[3]);
}

// Down from top dead centre the piston draws atmospheric air in through the inlet
// valve; from bottom dead centre both valves stay shut while the trapped air is
// compressed; then the outlet valve opens and the compressed air is pushed out. The
// inlet passage always holds atmospheric air and the outlet passage compressed air;
// arrows mark the flow through an open valve.
void TestCompressorPictures::suctionCompressionAndDelivery()
{
    struct Expected {
        bool inletOpen;
        bool outletOpen;
        QRgb cylinder;
    };
    const Expected expected[8] = {
        {false, false, Red},    // top dead centre: only the clearance under the outlet valve
        {true, false, Blue}, {true, false, Blue}, {true, false, Blue},
        {false, false, Blue},   // bottom dead centre: full, both shut
        {false, false, Red},    // compression
        {false, true, Red}, {false, true, Red},
    };
    for (int frame = 0; frame < 8; ++frame) {
        const QImage picture = pistonFrame(frame);
        const QByteArray which = "frame " + QByteArray::number(frame);
        const Expected &e = expected[frame];
        QVERIFY2(inletValveOpen(picture) == e.inletOpen, which);
        QVERIFY2(outletValveOpen(picture) == e.outletOpen, which);

        // The air between the head and the piston, and in the bore under the outlet seat.
        const int top = pistonTop(picture);
        for (int y = kFirstBoreRow; y < top - 1; ++y)
            QVERIFY2(picture.pixel(kAxisColumn, y) == e.cylinder, which + " row " + QByteArray::number(y));
        QVERIFY2(picture.pixel(kOutletValve, 65) == e.cylinder, which);

        QVERIFY2(picture.pixel(20, kPassageRow) == Blue, which);
        QVERIFY2(picture.pixel(246, kPassageRow) == Red, which);
        QVERIFY2(hasArrow(picture, 2, 60) == e.inletOpen, which);
        QVERIFY2(hasArrow(picture, 200, 264) == e.outletOpen, which);
    }
}

// The inlet valve opens into the cylinder and never rises above its seat; the outlet
// valve opens outwards, lifted into the outlet passage, and never enters the bore
// under its seat. Their springs give way as they open.
void TestCompressorPictures::valvesOpenTheWayTheAirPushes()
{
    auto greyRowsIn = [](const QImage &picture, const QRect &area) {
        int rows = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            rows += coloursIn(picture, QRect(area.left(), y, area.width(), 1)).contains(kMidGrey);
        return rows;
    };
    const QRect underOutletSeat(QPoint(kOutletValve - 9, 56), QPoint(kOutletValve + 9, 69));
    for (int frame = 0; frame < 8; ++frame) {
        const QImage picture = pistonFrame(frame);
        const QByteArray which = "frame " + QByteArray::number(frame);
        QVERIFY2(greyRowsIn(picture, underOutletSeat) == 0, which);
        // Between the roof and the piston only an open inlet valve shows.
        const QRect belowTheRoof(QPoint(kInletValve - 18, kFirstBoreRow), QPoint(kInletValve + 18, pistonTop(picture) - 2));
        QVERIFY2((greyRowsIn(picture, belowTheRoof) > 0) == inletValveOpen(picture), which);
    }
    // The outlet valve's disc: on its seat, then six rows up.
    auto discTop = [](const QImage &picture) {
        for (int y = kPassageRow - 2; y < 60; ++y)
            if (picture.pixel(kOutletValve - 13, y) == kMidGrey)
                return y;
        return -1;
    };
    QCOMPARE(discTop(pistonFrame(5)) - discTop(pistonFrame(6)), 6);
    QCOMPARE(discTop(pistonFrame(0)), discTop(pistonFrame(5)));
}

void TestCompressorPictures::vaneRotorTurnsInAStillHousing()
{
    QList<QImage> frames;
    for (int frame = 0; frame < 6; ++frame) {
        frames << vaneFrame(frame);
        QCOMPARE(frames.last().size(), QSize(450, 404));
    }
    auto insideBore = [](int x, int y) {
        return std::hypot(x + 0.5 - kHousingCentre.x(), y + 0.5 - kHousingCentre.y()) < kHousingBore + 2;
    };
    for (int frame = 0; frame < 6; ++frame) {
        const QImage &picture = frames[frame];
        const QImage &next = frames[(frame + 1) % 6];
        int housingChanges = 0;
        int rotorChanges = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (picture.pixel(x, y) != next.pixel(x, y))
                    ++(insideBore(x, y) ? rotorChanges : housingChanges);
        QCOMPARE(housingChanges, 0);
        QVERIFY2(rotorChanges > 500, qPrintable(QString::number(frame)));
    }
}

// Twelve vanes cross a circle just inside the rotor's rim; the working space between
// rotor and housing is widest on the right and closes to nothing on the left.
void TestCompressorPictures::vanesAndWorkingSpace()
{
    for (int frame = 0; frame < 6; ++frame) {
        const QImage picture = vaneFrame(frame);
        int vanes = 0;
        bool inVane = false;
        for (int step = 0; step <= 3600; ++step) {
            const double angle = qDegreesToRadians(step / 10.0);
            const QPoint at(int(kRotorCentre.x() + 112 * std::cos(angle)), int(kRotorCentre.y() - 112 * std::sin(angle)));
            const bool vane = picture.pixel(at) == kDarkGrey;
            if (vane && !inVane && step < 3600)
                ++vanes;
            inVane = vane;
        }
        if (picture.pixel(int(kRotorCentre.x() + 112), int(kRotorCentre.y())) == kDarkGrey)
            --vanes;  // counted at both ends of the circle
        QCOMPARE(vanes, 12);
    }

    const QImage turned = vaneFrame(3);  // no vane lies on the centre row
    const int row = int(kRotorCentre.y());
    int airLeft = 0;
    int airRight = 0;
    for (int x = 0; x < turned.width(); ++x)
        if (turned.pixel(x, row) == Red || turned.pixel(x, row) == Blue)
            ++(x < kRotorCentre.x() ? airLeft : airRight);
    QVERIFY2(airLeft <= 3, qPrintable(QString::number(airLeft)));
    QVERIFY2(airRight >= 50, qPrintable(QString::number(airRight)));
}

// Anticlockwise from the inlet at the lower left the cells grow and hold atmospheric
// air (blue) until the widest point on the right; from there they shrink on the way
// up to the outlet, holding compressed air (red). The inlet pipe is blue, the outlet
// pipe red.
void TestCompressorPictures::vaneCellsFillAtTheInletAndCompressTowardsTheOutlet()
{
    for (int frame = 0; frame < 6; ++frame) {
        const QImage picture = vaneFrame(frame);
        const QByteArray which = "frame " + QByteArray::number(frame);
        int upper[2] = {0, 0};   // red, blue
        int lower[2] = {0, 0};
        for (int degrees = 30; degrees <= 330; ++degrees) {
            if (degrees > 150 && degrees < 210)
                continue;
            const double angle = qDegreesToRadians(double(degrees));
            for (int radius = 122; radius < 150; radius += 3) {
                const QPoint at(int(kRotorCentre.x() + radius * std::cos(angle)), int(kRotorCentre.y() - radius * std::sin(angle)));
                if (std::hypot(at.x() + 0.5 - kHousingCentre.x(), at.y() + 0.5 - kHousingCentre.y()) > kHousingBore - 2)
                    continue;
                int *counts = degrees < 180 ? upper : lower;
                counts[0] += picture.pixel(at) == Red;
                counts[1] += picture.pixel(at) == Blue;
            }
        }
        QVERIFY2(upper[0] > 100 && upper[1] == 0, which);
        QVERIFY2(lower[1] > 100 && lower[0] == 0, which);
        QVERIFY2(picture.pixel(10, 316) == Blue, which);
        QVERIFY2(picture.pixel(10, 92 - 6) == Red, which);
    }
}

// Every pixel is one of the colours of the code (red air under pressure, blue air at
// atmospheric pressure, white nothing, light grey bodies, black lines and arrows),
// or the greys of the moving parts: no light cyan, no blue vanes.
void TestCompressorPictures::coloursComeFromTheCode_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QSet<QRgb>>("allowed");
    const QSet<QRgb> piston = {White, Black, Red, Blue, kLightGrey, kMidGrey};
    const QSet<QRgb> vanes = {White, Black, Red, Blue, kLightGrey, kMidGrey, kDarkGrey};
    for (int frame = 0; frame < 8; ++frame)
        QTest::addRow("piston %d", frame) << pistonFrame(frame) << piston;
    for (int frame = 0; frame < 6; ++frame)
        QTest::addRow("vanes %d", frame) << vaneFrame(frame) << vanes;
}

void TestCompressorPictures::coloursComeFromTheCode()
{
    QFETCH(QImage, picture);
    QFETCH(QSet<QRgb>, allowed);
    const QSet<QRgb> found = coloursIn(picture, picture.rect());
    for (const QRgb colour : found)
        QVERIFY2(allowed.contains(colour), qPrintable(QString::number(colour & 0xffffff, 16)));
    // The air of both kinds and the body are always there.
    QVERIFY(found.contains(Blue) && found.contains(Red) && found.contains(kLightGrey));
}

void TestCompressorPictures::bothPagesShowTheSameSymbol()
{
    QFile pistons(QStringLiteral(VENTIRO_SOURCE_DIR "/resources/pictures/frmCompressorDePistons/ImgSimbol.gif"));
    QFile vanes(QStringLiteral(VENTIRO_SOURCE_DIR "/resources/pictures/frmCompressorDePaletes/ImgSimbol.gif"));
    QVERIFY(pistons.open(QIODevice::ReadOnly));
    QVERIFY(vanes.open(QIODevice::ReadOnly));
    QCOMPARE(pistons.readAll(), vanes.readAll());

    const QImage symbol = committed(QStringLiteral("frmCompressorDePistons/ImgSimbol.gif"));
    QCOMPARE(symbol.size(), QSize(135, 75));
    QCOMPARE(coloursIn(symbol, symbol.rect()), (QSet<QRgb>{Black, White}));
    // A circle round the middle, open inside but for the delivery triangle at its top.
    QCOMPARE(symbol.pixel(68, 37), White);
    QCOMPARE(symbol.pixel(68, 37 - 21), Black);
    QCOMPARE(symbol.pixel(68, 37 + 21), Black);
    // The triangle points into the delivery line at the top; the inlet line is below.
    QCOMPARE(symbol.pixel(68, 37 - 22 - 6), Black);
    QCOMPARE(symbol.pixel(68, 37 + 22 + 6), Black);
    QCOMPARE(symbol.pixel(62, 37 - 22 - 6), White);
}

QTEST_GUILESS_MAIN(TestCompressorPictures)

#include "test_compressor_pictures.moc"
