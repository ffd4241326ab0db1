// Checks the committed circuit animations and symbols of the quick exhaust,
// pressure-relief and flow control pages against what each frame must show: the
// piston's travel and colour, the moving ball of the quick exhaust valve and its
// growing spray, the relief valve opening at the end of the stroke, the non-return
// branch going idle on the way back, and the parts that stay in place.
#include "PictureChecks.h"

#include <QImage>
#include <QSet>
#include <QtTest>

using namespace PictureChecks;

namespace {

constexpr QRgb kMidGrey = qRgb(132, 132, 132);
constexpr QRgb kLightGrey = qRgb(198, 198, 198);
constexpr int kBoxWidth = 257;

const char *const kQuickExhaustPage = "frmEscapamentRapid";
const char *const kQuickExhaustCircuit = "picCircuitEscapamentRàpid";
const char *const kLimiterPage = "frmLimitadora";
const char *const kLimiterCircuit = "picCircuitLimit";
const char *const kRegulatorPage = "frmReguladora";
const char *const kRegulatorCircuit = "picCircuitReguladora";

// Where the circuits place their parts.
constexpr int kQuickExhaustPistonRow = 33;
constexpr QPoint kQuickExhaustBallAtExhaust(183, 105);
constexpr QPoint kQuickExhaustBallAtSupply(162, 105);
constexpr QPoint kQuickExhaustLineB(139, 130);
constexpr QPoint kQuickExhaustLineA(83, 100);
constexpr QPoint kQuickExhaustRodEndLine(173, 80);
constexpr QRect kQuickExhaustSpray(235, 88, 22, 36);

constexpr int kLimiterPistonRow = 33;
constexpr QPoint kReliefArrowInLine(205, 121);
constexpr QPoint kReliefArrowStandingOff(205, 128);
constexpr QRect kBeyondTheBox(kBoxWidth, 96, 280 - kBoxWidth, 52);

constexpr int kRegulatorPistonRow = 17;
constexpr QPoint kCheckBranch(72, 111);
constexpr QPoint kThrottleLoop(46, 70);

QImage frame(const char *page, const char *control, int index)
{
    return committedFrame(QString::fromUtf8(page), QString::fromUtf8(control), index);
}

QString where(const char *control, int index)
{
    return QStringLiteral("%1 frame %2").arg(QString::fromUtf8(control)).arg(index);
}

int countOf(const QImage &picture, const QRect &area, QRgb colour)
{
    int count = 0;
    const QRect clipped = area.intersected(picture.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            count += picture.pixel(x, y) == colour;
    return count;
}

bool sameArea(const QImage &a, const QImage &b, const QRect &area)
{
    return a.copy(area) == b.copy(area);
}

struct StaticParts {
    const char *page;
    const char *control;
    int frames;
    QList<QRect> areas;  // hold only parts that never move or change colour
};

const StaticParts kStaticParts[] = {
    {kQuickExhaustPage, kQuickExhaustCircuit, 6,
     {QRect(74, 25, 8, 5), QRect(143, 89, 8, 8), QRect(195, 115, 8, 8), QRect(206, 96, 13, 21)}},
    {kLimiterPage, kLimiterCircuit, 6,
     {QRect(57, 25, 8, 5), QRect(191, 104, 8, 8), QRect(220, 134, 8, 4), QRect(230, 112, 12, 21)}},
    {kRegulatorPage, kRegulatorCircuit, 12,
     {QRect(63, 9, 8, 5), QRect(28, 72, 16, 34), QRect(74, 80, 10, 30)}},
};

} // namespace

class TestControlValveCircuits final : public QObject {
    Q_OBJECT

private slots:
    void picturesHaveTheirCatalogueSizes()
    {
        const QStringList controls = {"picCircuitEscapamentRàpid", "picCircuitLimit", "imgSimbolLimit",
                                      "picCircuitReguladora", "imgSimbolReguladora"};
        int checked = 0;
        for (const PictureResource &resource : pictureResources()) {
            const bool quickExhaustSymbol = resource.name == QStringLiteral("frmEscapamentRapid/imgSimbol4_2.gif");
            if (!quickExhaustSymbol && !controls.contains(resource.control))
                continue;
            QCOMPARE(committed(resource.name).size(), resource.size);
            ++checked;
        }
        QCOMPARE(checked, 6 + 1 + 6 + 1 + 12 + 1);
    }

    void quickExhaustValveEmptiesTheRodEndStraightOut()
    {
        int previousPiston = -1;
        int previousSpray = 0;
        for (int index = 0; index < 6; ++index) {
            const QImage picture = frame(kQuickExhaustPage, kQuickExhaustCircuit, index);
            const QString at = where(kQuickExhaustCircuit, index);
            const bool exhausting = index > 0;

            // Piston and rod are mid grey until the end of the stroke, then light grey.
            const QRgb pistonGrey = index == 5 ? kLightGrey : kMidGrey;
            QVERIFY2(!contains(picture, index == 5 ? kMidGrey : kLightGrey), qPrintable(at));
            const int piston = firstInRow(picture, kQuickExhaustPistonRow, pistonGrey);
            if (index > 0)
                QVERIFY2(piston - previousPiston == 15, qPrintable(at));
            previousPiston = piston;

            // At rest the ball closes the exhaust and B feeds the rod end; then the ball
            // closes B, which goes idle, and the rod end blows out through the valve.
            QVERIFY2(picture.pixel(exhausting ? kQuickExhaustBallAtSupply : kQuickExhaustBallAtExhaust) == White,
                     qPrintable(at));
            QVERIFY2(picture.pixel(exhausting ? kQuickExhaustBallAtExhaust : kQuickExhaustBallAtSupply)
                         == (exhausting ? Blue : Red),
                     qPrintable(at));
            QVERIFY2(picture.pixel(kQuickExhaustLineB) == (exhausting ? Black : Red), qPrintable(at));
            QVERIFY2(picture.pixel(kQuickExhaustLineA) == (exhausting ? Red : Blue), qPrintable(at));
            QVERIFY2(picture.pixel(kQuickExhaustRodEndLine) == (exhausting ? Blue : Red), qPrintable(at));

            const int spray = countOf(picture, kQuickExhaustSpray, Blue);
            QVERIFY2(exhausting ? spray >= previousSpray && spray > 0 : spray == 0, qPrintable(at));
            previousSpray = spray;
        }
        QVERIFY(previousSpray > countOf(frame(kQuickExhaustPage, kQuickExhaustCircuit, 1), kQuickExhaustSpray, Blue));
    }

    void reliefValveOpensOnlyAtTheEndOfTheStroke()
    {
        static constexpr int strokes[] = {0, 15, 30, 45, 60, 68};
        const int restPiston = firstInRow(frame(kLimiterPage, kLimiterCircuit, 0), kLimiterPistonRow, kLightGrey);
        for (int index = 0; index < 6; ++index) {
            const QImage picture = frame(kLimiterPage, kLimiterCircuit, index);
            const QString at = where(kLimiterCircuit, index);
            const bool relieving = index == 5;
            const QRgb pistonGrey = relieving ? kMidGrey : kLightGrey;
            QVERIFY2(firstInRow(picture, kLimiterPistonRow, pistonGrey) - restPiston == strokes[index], qPrintable(at));
            QVERIFY2(!contains(picture, relieving ? kLightGrey : kMidGrey), qPrintable(at));

            // At rest everything is exhausted; pressed, nothing is.
            const QSet<QRgb> colours = coloursIn(picture, picture.rect());
            QVERIFY2(colours.contains(index == 0 ? Blue : Red) && !colours.contains(index == 0 ? Red : Blue),
                     qPrintable(at));

            QVERIFY2(picture.pixel(kReliefArrowInLine) == (relieving ? Red : White), qPrintable(at));
            QVERIFY2(picture.pixel(kReliefArrowStandingOff) == (relieving ? White : Black), qPrintable(at));
            QVERIFY2(coloursIn(picture, kBeyondTheBox).contains(Red) == relieving, qPrintable(at));
        }
    }

    void regulatorThrottlesOnlyTheReturnStroke()
    {
        static constexpr int strokes[] = {0, 15, 30, 45, 60, 69, 68, 59, 44, 30, 15, 0};
        const int restPiston = firstInRow(frame(kRegulatorPage, kRegulatorCircuit, 0), kRegulatorPistonRow, kMidGrey);
        for (int index = 0; index < 12; ++index) {
            const QImage picture = frame(kRegulatorPage, kRegulatorCircuit, index);
            const QString at = where(kRegulatorCircuit, index);
            const bool returning = index >= 6;
            QVERIFY2(firstInRow(picture, kRegulatorPistonRow, kMidGrey) - restPiston == strokes[index], qPrintable(at));
            QVERIFY2(picture.pixel(kCheckBranch) == (returning ? Black : Red), qPrintable(at));
            QVERIFY2(picture.pixel(kThrottleLoop) == (returning ? Blue : Red), qPrintable(at));
        }
    }

    void staticPartsStayInPlace()
    {
        for (const StaticParts &circuit : kStaticParts) {
            const QImage first = frame(circuit.page, circuit.control, 0);
            for (int index = 1; index < circuit.frames; ++index) {
                const QImage picture = frame(circuit.page, circuit.control, index);
                for (const QRect &area : circuit.areas)
                    QVERIFY2(sameArea(first, picture, area), qPrintable(where(circuit.control, index)));
            }
        }
    }

    void symbolsAreBlackOnWhite()
    {
        for (const char *name : {"frmEscapamentRapid/imgSimbol4_2.gif", "frmLimitadora/imgSimbolLimit.gif",
                                 "frmReguladora/imgSimbolReguladora.gif"}) {
            const QImage symbol = committed(QString::fromUtf8(name));
            QCOMPARE(coloursIn(symbol, symbol.rect()), (QSet<QRgb>{Black, White}));
        }
    }
};

QTEST_GUILESS_MAIN(TestControlValveCircuits)
#include "test_control_valve_circuits.moc"
