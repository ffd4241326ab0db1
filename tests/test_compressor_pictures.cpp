// Checks the committed compressor pictures against what each frame must show: the
// piston following the crank through one revolution, the valves and passages
// changing over between suction and delivery, the vane rotor turning inside a
// housing that stays put, and the symbol both pages share.
#include "PictureChecks.h"

#include <QFile>
#include <QImage>
#include <QtTest>
#include <cmath>

using namespace PictureChecks;

namespace {

constexpr QRgb kMidGrey = qRgb(132, 132, 132);
constexpr QRgb kLightGrey = qRgb(198, 198, 198);

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

// A closed valve's head fills its conical seat in the roof of the cylinder; an
// open one has left it and hangs below the roof.
bool valveOpen(const QImage &picture, int valve)
{
    return picture.pixel(valve - 16, 67) != kMidGrey && picture.pixel(valve - 16, 73) == kMidGrey;
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
    void valvesAndPassagesChangeOver();
    void vaneRotorTurnsInAStillHousing();
    void vanesAndWorkingSpace();
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

        // Between the head and the piston's outline there is nothing but air under pressure.
        for (int y = kFirstBoreRow; y < top - 1; ++y)
            QVERIFY2(picture.pixel(kAxisColumn, y) == Red, qPrintable(QStringLiteral("frame %1 row %2").arg(frame).arg(y)));
    }
    QCOMPARE(tops[0], kFirstBoreRow);  // top dead centre: no air space above the piston
    for (int frame = 1; frame <= 4; ++frame)
        QVERIFY2(tops[frame] > tops[frame - 1], qPrintable(QString::number(frame)));
    QCOMPARE(tops[7], tops[1]);
    QCOMPARE(tops[6], tops[2]);
    QCOMPARE(tops[5], tops[3]);
}

void TestCompressorPictures::valvesAndPassagesChangeOver()
{
    const QSet<int> sucking = {1, 2, 3};
    const QSet<int> delivering = {5, 6, 7};
    for (int frame = 0; frame < 8; ++frame) {
        const QImage picture = pistonFrame(frame);
        const QByteArray which = QByteArray::number(frame);
        QCOMPARE(valveOpen(picture, kInletValve), sucking.contains(frame));
        QCOMPARE(valveOpen(picture, kOutletValve), delivering.contains(frame));

        const bool inletRed = frame <= 3;
        const bool outletRed = frame == 0 || delivering.contains(frame);
        QVERIFY2(picture.pixel(20, kPassageRow) == (inletRed ? Red : White), which);
        QVERIFY2(picture.pixel(246, kPassageRow) == (outletRed ? Red : White), which);
        QVERIFY2(hasArrow(picture, 2, 60) == inletRed, which);
        QVERIFY2(hasArrow(picture, 200, 264) == (outletRed || frame == 4), which);
    }
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
            const bool blue = picture.pixel(at) == Blue;
            if (blue && !inVane && step < 3600)
                ++vanes;
            inVane = blue;
        }
        if (picture.pixel(int(kRotorCentre.x() + 112), int(kRotorCentre.y())) == Blue)
            --vanes;  // counted at both ends of the circle
        QCOMPARE(vanes, 12);
    }

    const QImage turned = vaneFrame(3);  // no vane lies on the centre row
    const int row = int(kRotorCentre.y());
    int redLeft = 0;
    int redRight = 0;
    for (int x = 0; x < turned.width(); ++x)
        if (turned.pixel(x, row) == Red)
            ++(x < kRotorCentre.x() ? redLeft : redRight);
    QVERIFY2(redLeft <= 3, qPrintable(QString::number(redLeft)));
    QVERIFY2(redRight >= 50, qPrintable(QString::number(redRight)));
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
}

QTEST_GUILESS_MAIN(TestCompressorPictures)

#include "test_compressor_pictures.moc"
