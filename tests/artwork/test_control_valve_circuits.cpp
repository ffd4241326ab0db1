// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the committed circuit animations and symbols of the quick exhaust,
// pressure-relief and flow control pages against what each frame must show: the
// piston's travel and colour, the moving ball of the quick exhaust valve and its
// growing spray, the relief valve opening once the piston has stopped (in the same
// seconds as the section beside it), the non-return branch going idle on the way
// back, the standard symbols, and the parts that stay in place.
#include "PictureChecks.h"
#include "TestSupport.h"

#include <QImage>
#include <climits>
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
constexpr QPoint kQuickExhaustBallCrossing(173, 105);
constexpr QPoint kQuickExhaustLineB(139, 130);
constexpr QPoint kQuickExhaustLineA(83, 100);
constexpr QPoint kQuickExhaustRodEndLine(173, 80);
constexpr QRect kQuickExhaustSpray(231, 88, 26, 36);
// Above the quick exhaust valve, right of its outlet line: a pilot line has no place there.
constexpr QRect kQuickExhaustAbove(176, 76, 30, 14);
// The exhaust triangle standing on the valve's right end.
constexpr QRect kQuickExhaustTriangle(201, 96, 13, 21);

// The quick exhaust valve in section: its axis, and points in the P and A passages.
constexpr int kSectionAxis = 135;
constexpr QPoint kSectionP(64, kSectionAxis);
constexpr QPoint kSectionA(273, 68);

constexpr int kLimiterPistonRow = 33;
constexpr QPoint kReliefArrowInLine(205, 121);
constexpr QPoint kReliefArrowStandingOff(205, 128);
constexpr QRect kBeyondTheBox(kBoxWidth, 96, 280 - kBoxWidth, 52);
constexpr QRect kReliefSpray(243, 96, kBoxWidth - 243, 52);
constexpr QPoint kGaugeCentre(160, 98);
constexpr QPoint kLimiterSupply(109, 225);        // from the pressure source up to P
constexpr QPoint kReliefInletLine(180, 122);      // the branch from the line to A

constexpr int kRegulatorPistonRow = 17;
constexpr int kRegulatorAxis = 180;     // of the section, where the ball lies
constexpr QRgb kDarkGrey = qRgb(99, 99, 99);
constexpr QPoint kCheckBranch(72, 111);
constexpr QPoint kCapEnd(70, 34);                 // the cap-end chamber, even with the piston in
constexpr QPoint kSectionCylinderPort(390, 172);  // the section's right port, which leads to the cap end
constexpr QPoint kThrottleLoop(46, 70);
constexpr QRect kCheckValve(60, 70, 25, 40);
constexpr QRgb Purple = qRgb(198, 0, 198);

QImage frame(const char *page, const char *control, int index)
{
    return committedFrame(QString::fromUtf8(page), QString::fromUtf8(control), index);
}

QString where(const char *control, int index)
{
    return QStringLiteral("%1 frame %2").arg(QString::fromUtf8(control)).arg(index);
}

// Where the quick exhaust valve's ball lies: the inside of the ball is white.
enum class QuickBall { ClosesExhaust, Crossing, ClosesSupply, Nowhere };
QuickBall quickBall(const QImage &circuit)
{
    const bool atSupply = circuit.pixel(kQuickExhaustBallAtSupply) == White;
    const bool crossing = circuit.pixel(kQuickExhaustBallCrossing) == White;
    const bool atExhaust = circuit.pixel(kQuickExhaustBallAtExhaust) == White;
    if (atSupply + crossing + atExhaust != 1)
        return QuickBall::Nowhere;
    return atSupply ? QuickBall::ClosesSupply : crossing ? QuickBall::Crossing : QuickBall::ClosesExhaust;
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

// The limiting valve's cone tip in section: its black outline on the axis.
int limiterConeTip(const QImage &section)
{
    for (int x = 70; x < section.width(); ++x)
        if (section.pixel(x, 135) == Black)
            return x;
    return -1;
}

// The one frame of `array` the page shows.
int shownFrame(PageWindow &page, const QString &array)
{
    int shown = -1;
    for (FrameBox *box : page.frameBoxes())
        if (box->record().name == array && box->visibleFlag()) {
            if (shown >= 0)
                qFatal("two frames of %s shown", qUtf8Printable(array));
            shown = *box->record().index;
        }
    return shown;
}

// The pictures a page shows at each second of the minute with both of its animations
// running: the page opened from its menu command, both start buttons pressed, then
// both timers ticking once a second.
struct ShownPictures {
    int second;
    QImage section;
    QImage circuit;
};

QList<ShownPictures> picturesShownEverySecond(const char *menu, const char *pageName, const char *sectionStart,
                                              const char *circuitStart, const char *section, const char *circuit)
{
    Program program;
    program.menu(QString::fromUtf8(menu));
    const QString name = QString::fromUtf8(pageName);
    PageWindow &page = program.open(name);
    QTest::mouseClick(&page.button(QString::fromUtf8(sectionStart)), Qt::LeftButton);
    QTest::mouseClick(&page.button(QString::fromUtf8(circuitStart)), Qt::LeftButton);
    QList<ShownPictures> shown;
    for (int second = 0; second < 60; ++second) {
        program.clock.setSecond(second);
        program.fire(name, QStringLiteral("tmrRellotge"));
        program.fire(name, QStringLiteral("tmrRellotge1"));
        shown.append({second, frame(pageName, section, shownFrame(page, QString::fromUtf8(section))),
                      frame(pageName, circuit, shownFrame(page, QString::fromUtf8(circuit)))});
    }
    return shown;
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
     {QRect(74, 25, 8, 5), QRect(143, 89, 8, 8), QRect(195, 115, 8, 8), kQuickExhaustTriangle}},
    {kLimiterPage, kLimiterCircuit, 6,
     {QRect(57, 25, 8, 5), QRect(191, 104, 8, 8), QRect(220, 134, 8, 4), QRect(230, 112, 12, 21)}},
    {kRegulatorPage, kRegulatorCircuit, 12,
     {QRect(63, 9, 8, 5), QRect(28, 72, 16, 34)}},
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

    // Released, B drives the ball onto the exhaust seat, feeds the rod end and the
    // piston goes back; pressed, B is let out through T and the air held in the rod
    // end drives the ball onto B's seat and blows straight out of the valve.
    void quickExhaustValveFeedsAndEmptiesTheRodEnd()
    {
        struct Expected {
            QuickBall ball;
            QRgb bLine, capLine, rodEndLine;
            int stroke;
            bool spray;
        };
        static const Expected expected[6] = {
            {QuickBall::Crossing, Red, Blue, Blue, 75, false},
            {QuickBall::ClosesExhaust, Red, Blue, Red, 50, false},
            {QuickBall::ClosesExhaust, Red, Blue, Red, 25, false},
            {QuickBall::ClosesExhaust, Blue, Red, Red, 0, false},
            {QuickBall::Crossing, Blue, Red, Blue, 75, true},
            {QuickBall::ClosesSupply, Blue, Red, Blue, 75, true},
        };
        const int restPiston = firstInRow(frame(kQuickExhaustPage, kQuickExhaustCircuit, 3), kQuickExhaustPistonRow, kMidGrey);
        int previousSpray = 0;
        for (int index = 0; index < 6; ++index) {
            const QImage picture = frame(kQuickExhaustPage, kQuickExhaustCircuit, index);
            const QString at = where(kQuickExhaustCircuit, index);
            const Expected &want = expected[index];

            // Piston and rod keep one colour.
            QVERIFY2(!contains(picture, kLightGrey), qPrintable(at));
            QVERIFY2(firstInRow(picture, kQuickExhaustPistonRow, kMidGrey) - restPiston == want.stroke, qPrintable(at));

            QVERIFY2(quickBall(picture) == want.ball, qPrintable(at));
            QVERIFY2(picture.pixel(kQuickExhaustLineB) == want.bLine, qPrintable(at));
            QVERIFY2(picture.pixel(kQuickExhaustLineA) == want.capLine, qPrintable(at));
            QVERIFY2(picture.pixel(kQuickExhaustRodEndLine) == want.rodEndLine, qPrintable(at));

            // The piston goes back only while the rod end is fed and the cap end exhausted,
            // and out only while the cap end is fed and the rod end is not: so at one end
            // or the other of each second it moves in.
            const Expected &previous = expected[(index + 5) % 6];
            const auto drivesIn = [](const Expected &e) { return e.rodEndLine == Red && e.capLine == Blue; };
            const auto drivesOut = [](const Expected &e) { return e.capLine == Red && e.rodEndLine != Red; };
            if (want.stroke < previous.stroke)
                QVERIFY2(drivesIn(previous) || drivesIn(want), qPrintable(at));
            if (want.stroke > previous.stroke)
                QVERIFY2(drivesOut(previous) || drivesOut(want), qPrintable(at));

            // The standard symbol: no pilot line, the exhaust triangle right on the valve.
            QVERIFY2(coloursIn(picture, kQuickExhaustAbove) == QSet<QRgb>{White}, qPrintable(at));
            QVERIFY2(countOf(picture, kQuickExhaustTriangle, Black) > 20, qPrintable(at));

            const int spray = countOf(picture, kQuickExhaustSpray, Blue);
            QVERIFY2(want.spray ? spray > previousSpray : spray == 0, qPrintable(at));
            previousSpray = spray;
        }
    }

    // What the valve is for: the stroke whose rod-end air leaves straight through the
    // quick exhaust valve (its spray) is several times faster than the return, whose
    // cap-end air goes back through the directional valve.
    void quickExhaustSpeedsUpTheStrokeItExhausts()
    {
        int fastest = 0;   // pixels in one second, out
        int fastestBack = 0;
        int secondsBack = 0;
        for (int index = 0; index < 6; ++index) {
            const QImage before = frame(kQuickExhaustPage, kQuickExhaustCircuit, (index + 5) % 6);
            const QImage now = frame(kQuickExhaustPage, kQuickExhaustCircuit, index);
            const int moved = firstInRow(now, kQuickExhaustPistonRow, kMidGrey) -
                              firstInRow(before, kQuickExhaustPistonRow, kMidGrey);
            const QString at = where(kQuickExhaustCircuit, index);
            if (moved > 0) {
                QVERIFY2(countOf(now, kQuickExhaustSpray, Blue) > 0, qPrintable(at + ": out without the quick exhaust"));
                fastest = qMax(fastest, moved);
            } else if (moved < 0) {
                fastestBack = qMax(fastestBack, -moved);
                ++secondsBack;
            }
        }
        QVERIFY(fastestBack > 0);
        QVERIFY2(fastest >= 3 * fastestBack, qPrintable(QString("out %1 px/s, back %2 px/s").arg(fastest).arg(fastestBack)));
        QVERIFY(secondsBack >= 3);
    }

    // Both animations of the page follow one clock: at every second of the minute the
    // section's seal and the circuit's ball lie on the same side, the air at the
    // valve's P is the air of the line from B (under pressure or exhausted), and A is
    // under pressure when the rod end is.
    void quickExhaustSectionAndCircuitAgreeEverySecond()
    {
        int sealAtP = INT_MAX;
        int sealAtR = INT_MIN;
        for (int index = 0; index < 6; ++index) {
            const int seal = firstInRow(frame(kQuickExhaustPage, "picEscapamentRàpid", index), kSectionAxis, kMidGrey);
            sealAtP = qMin(sealAtP, seal);
            sealAtR = qMax(sealAtR, seal);
        }
        for (const ShownPictures &shown :
             picturesShownEverySecond("mnuEscapamentRàpid", kQuickExhaustPage, "cmdSimularEscapamentRàpid",
                                      "cmdSimularCirEscapamentRàpid", "picEscapamentRàpid", kQuickExhaustCircuit)) {
            const int seal = firstInRow(shown.section, kSectionAxis, kMidGrey);
            const QuickBall sealSide = seal == sealAtP ? QuickBall::ClosesSupply
                                     : seal == sealAtR ? QuickBall::ClosesExhaust : QuickBall::Crossing;
            const QString at = QString("second %1").arg(shown.second);
            QVERIFY2(sealSide == quickBall(shown.circuit), qPrintable(at + ": seal and ball"));
            QVERIFY2(shown.section.pixel(kSectionP) == shown.circuit.pixel(kQuickExhaustLineB), qPrintable(at + ": P"));
            QVERIFY2((shown.section.pixel(kSectionA) == Red) == (shown.circuit.pixel(kQuickExhaustRodEndLine) == Red),
                     qPrintable(at + ": A"));
        }
    }

    // The piston runs out at working pressure in three seconds; at the end of its
    // stroke the pressure climbs on the gauge and opens the relief valve, whose
    // exhaust air leaves blue.
    void reliefValveOpensOnceThePistonHasStopped()
    {
        static constexpr int strokes[] = {0, 23, 46, 68, 68, 68};
        const int restPiston = firstInRow(frame(kLimiterPage, kLimiterCircuit, 0), kLimiterPistonRow, kMidGrey);
        int previousSpray = 0;
        for (int index = 0; index < 6; ++index) {
            const QImage picture = frame(kLimiterPage, kLimiterCircuit, index);
            const QString at = where(kLimiterCircuit, index);
            const bool relieving = index >= 3;
            // Piston and rod keep one colour.
            QVERIFY2(firstInRow(picture, kLimiterPistonRow, kMidGrey) - restPiston == strokes[index], qPrintable(at));
            QVERIFY2(!contains(picture, kLightGrey), qPrintable(at));
            QVERIFY2(relieving == (index > 0 && strokes[index] == strokes[5]), qPrintable(at));

            // The supply is always on, up to the valve. At rest everything past the valve
            // is exhausted; pressed, the lines are under pressure and only the air the
            // relief valve lets out is blue.
            QVERIFY2(picture.pixel(kLimiterSupply) == Red, qPrintable(at));
            QVERIFY2(picture.pixel(kReliefInletLine) == (index > 0 ? Red : Blue), qPrintable(at));
            const QSet<QRgb> colours = coloursIn(picture, picture.rect());
            QVERIFY2(colours.contains(Blue) == (index == 0 || relieving), qPrintable(at));

            QVERIFY2(picture.pixel(kReliefArrowInLine) == (relieving ? Red : White), qPrintable(at));
            QVERIFY2(picture.pixel(kReliefArrowStandingOff) == (relieving ? White : Black), qPrintable(at));
            const int spray = countOf(picture, kReliefSpray, Blue);
            QVERIFY2(relieving ? spray > previousSpray : spray == 0, qPrintable(at));
            previousSpray = spray;
            QVERIFY2(coloursIn(picture, kBeyondTheBox).contains(Blue) == (index == 5), qPrintable(at));

            // The gauge's needle: low at rest, middling while the piston runs, high once it stops.
            const QList<QPoint> needle = {kGaugeCentre + QPoint(-5, -4), kGaugeCentre + QPoint(0, -6),
                                          kGaugeCentre + QPoint(4, -4)};
            const int reading = index == 0 ? 0 : relieving ? 2 : 1;
            for (int mark = 0; mark < 3; ++mark)
                QVERIFY2((picture.pixel(needle[mark]) == Black) == (mark == reading), qPrintable(at));
        }
    }

    // Both animations of the page follow one clock: at every second of the minute the
    // frame each one shows agrees on whether the relief valve is open.
    void limiterSectionAndCircuitAgreeEverySecond()
    {
        const int sectionRest = limiterConeTip(frame(kLimiterPage, "picVàlvulaLimit", 0));
        for (const ShownPictures &shown : picturesShownEverySecond("mnuLimitadora", kLimiterPage, "cmdSimularLimit",
                                                                    "cmdSimularCirLimit", "picVàlvulaLimit",
                                                                    kLimiterCircuit)) {
            const bool sectionOpen = limiterConeTip(shown.section) > sectionRest;
            const bool circuitOpen = shown.circuit.pixel(kReliefArrowInLine) == Red;
            QVERIFY2(sectionOpen == circuitOpen, qPrintable(QString("second %1: section %2, circuit %3")
                                                                .arg(shown.second)
                                                                .arg(sectionOpen ? "open" : "shut")
                                                                .arg(circuitOpen ? "open" : "shut")));
        }
    }

    // Out, the air passes the non-return valve freely (purple while it flows) and the
    // piston runs its whole stroke fast; back, the air leaving the cap end must pass
    // the throttle, the non-return branch idle, and the piston takes several times
    // longer over the same stroke.
    void regulatorThrottlesOnlyTheReturnStroke()
    {
        const int restPiston = firstInRow(frame(kRegulatorPage, kRegulatorCircuit, 0), kRegulatorPistonRow, kMidGrey);
        QList<int> strokes;
        for (int index = 0; index < 12; ++index)
            strokes << firstInRow(frame(kRegulatorPage, kRegulatorCircuit, index), kRegulatorPistonRow, kMidGrey) - restPiston;
        int outTravel = 0, outSeconds = 0, inTravel = 0, inSeconds = 0;
        for (int index = 0; index < 12; ++index) {
            const QImage picture = frame(kRegulatorPage, kRegulatorCircuit, index);
            const QString at = where(kRegulatorCircuit, index);
            const int moved = strokes[index] - strokes[(index + 11) % 12];
            // The button is held in frames 1 to 5 only; at rest the cap end lies open
            // to exhaust, before the stroke as after the return.
            const bool pressed = index >= 1 && index <= 5;
            QVERIFY2(picture.pixel(kCheckBranch) == (pressed ? Red : Black), qPrintable(at));
            QVERIFY2(picture.pixel(kThrottleLoop) == (pressed ? Red : Blue), qPrintable(at));
            // The non-return valve turns purple while the air passes it: while the piston goes out.
            QVERIFY2((countOf(picture, kCheckValve, Purple) > 0) == (moved > 0), qPrintable(at));
            QVERIFY2(moved <= 0 || pressed, qPrintable(at));
            QVERIFY2(moved >= 0 || !pressed, qPrintable(at));
            if (moved > 0) {
                outTravel += moved;
                ++outSeconds;
            } else if (moved < 0) {
                inTravel -= moved;
                ++inSeconds;
            }
        }
        QCOMPARE(outTravel, 69);
        QCOMPARE(inTravel, 69);
        // Pixels a second: out at least three times as fast as back.
        QVERIFY2(outTravel * inSeconds >= 3 * inTravel * outSeconds,
                 qPrintable(QString("out %1 px in %2 s, back %3 px in %4 s")
                                .arg(outTravel).arg(outSeconds).arg(inTravel).arg(inSeconds)));
    }

    // Both animations of the page follow one clock: the section's ball is off its seat
    // exactly while the circuit's non-return valve lets air through and the piston goes
    // out; the section shows regulated flow exactly while the piston goes back; the air
    // at the section's cylinder port is the air of the circuit's cap end; at rest the
    // piston is in.
    void regulatorSectionAndCircuitAgreeEverySecond()
    {
        const int ballSeated = firstInRow(frame(kRegulatorPage, "picVàlvulaReguladora", 0), kRegulatorAxis, kMidGrey);
        // Fully in, where the return stroke ends.
        const int pistonIn = firstInRow(frame(kRegulatorPage, kRegulatorCircuit, 11), kRegulatorPistonRow, kMidGrey);
        const QList<ShownPictures> seconds =
            picturesShownEverySecond("mnuReguladora", kRegulatorPage, "cmdSimularReguladora", "cmdSimularCirReguladora",
                                     "picVàlvulaReguladora", kRegulatorCircuit);
        for (qsizetype i = 1; i < seconds.size(); ++i) {
            const ShownPictures &shown = seconds[i];
            const QString at = QString("second %1").arg(shown.second);
            const int piston = firstInRow(shown.circuit, kRegulatorPistonRow, kMidGrey);
            const int moved = piston - firstInRow(seconds[i - 1].circuit, kRegulatorPistonRow, kMidGrey);
            const bool ballLifted = firstInRow(shown.section, kRegulatorAxis, kMidGrey) != ballSeated;
            const bool checkPassing = countOf(shown.circuit, kCheckValve, Purple) > 0;
            QVERIFY2(ballLifted == checkPassing, qPrintable(at + ": non-return valve"));
            QVERIFY2(ballLifted == (moved > 0), qPrintable(at + ": free flow and the piston going out"));
            const bool regulating = countOf(shown.section, QRect(30, 20, 200, 50), kDarkGrey) > 0;
            QVERIFY2(regulating == (moved < 0), qPrintable(at + ": regulated flow and the piston going back"));
            QVERIFY2(shown.section.pixel(kSectionCylinderPort) == shown.circuit.pixel(kCapEnd),
                     qPrintable(at + ": the air at the cylinder"));
            const bool branchFeeds = shown.circuit.pixel(kCheckBranch) == Red;
            const bool sectionFed = contains(shown.section, Red);
            QVERIFY2(branchFeeds == sectionFed, qPrintable(at + ": non-return branch"));
            if (!sectionFed && !regulating)
                QVERIFY2(piston == pistonIn, qPrintable(at + ": at rest"));
        }
    }

    // Air red under pressure and blue exhausted, purple only on a non-return valve
    // that air passes, the cylinder's moving parts in grey, all else black on white.
    void coloursFollowTheCode()
    {
        const QSet<QRgb> code = {White, Black, Red, Blue, kMidGrey, kLightGrey, Purple};
        for (const StaticParts &circuit : kStaticParts)
            for (int index = 0; index < circuit.frames; ++index) {
                const QImage picture = frame(circuit.page, circuit.control, index);
                for (const QRgb colour : coloursIn(picture, picture.rect()))
                    QVERIFY2(code.contains(colour),
                             qPrintable(where(circuit.control, index) + QString(" uses %1").arg(colour, 6, 16)));
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

    // The quick exhaust valve's symbol is the standard one: no pilot line over its
    // body, and its exhaust triangle standing right on the R end.
    void quickExhaustSymbolIsTheStandardOne()
    {
        const QImage symbol = committed(QStringLiteral("frmEscapamentRapid/imgSimbol4_2.gif"));
        QCOMPARE(coloursIn(symbol, QRect(70, 18, 36, 16)), QSet<QRgb>{White});
        // An open triangle: its base across the line at the body's end, its tip further out.
        QCOMPARE(symbol.pixel(103, 44), Black);
        QCOMPARE(symbol.pixel(103, 56), Black);
        QCOMPARE(symbol.pixel(107, 50), White);
        QCOMPARE(symbol.pixel(112, 50), Black);
    }
};

VENTIRO_TEST_MAIN(TestControlValveCircuits)
#include "test_control_valve_circuits.moc"
