// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the committed section animations of the quick exhaust valve, the
// pressure-limiting valve and the one-way flow control valve against what each
// frame must show: the colour of the air in each passage, the moving part's travel
// and the forces that drive it, the port letters and arrows, the colour code, and a
// body that stays put.
#include "PictureChecks.h"

#include <QImage>
#include <QtTest>

using namespace PictureChecks;

namespace {

constexpr QRgb kBodyGrey = qRgb(198, 198, 198);
constexpr QRgb kPartGrey = qRgb(132, 132, 132);
constexpr QRgb kDarkGrey = qRgb(99, 99, 99);

const QString kExhaustPage = QStringLiteral("frmEscapamentRapid");
const QString kExhaust = QStringLiteral("picEscapamentRàpid");
const QString kLimiterPage = QStringLiteral("frmLimitadora");
const QString kLimiter = QStringLiteral("picVàlvulaLimit");
const QString kRegulatorPage = QStringLiteral("frmReguladora");
const QString kRegulator = QStringLiteral("picVàlvulaReguladora");

// Where the drawings stand.
const QRect kExhaustBody(QPoint(56, 60), QPoint(396, 210));
constexpr int kExhaustAxis = 135;
constexpr int kExhaustA = 273;
const QRect kLimiterBody(QPoint(60, 70), QPoint(400, 200));
constexpr int kLimiterAxis = 135;
constexpr int kLimiterOutlet = 163;
constexpr int kLimiterVent = 353;
const QRect kRegulatorBody(QPoint(50, 75), QPoint(400, 215));
constexpr int kRegulatorAxis = 180;

QList<QImage> framesOf(const QString &page, const QString &control, int count)
{
    QList<QImage> frames;
    for (int frame = 0; frame < count; ++frame) {
        frames << committedFrame(page, control, frame);
        if (frames.last().isNull())
            qFatal("missing frame %d of %s", frame, qPrintable(control));
    }
    return frames;
}

int countOf(const QImage &picture, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            count += picture.pixel(x, y) == colour;
    return count;
}

bool hasInk(const QImage &picture, const QRect &area)
{
    return coloursIn(picture, area).contains(Black);
}

int firstFrom(const QImage &picture, int row, int fromX, QRgb colour)
{
    for (int x = fromX; x < picture.width(); ++x)
        if (picture.pixel(x, row) == colour)
            return x;
    return -1;
}

// Whether `point` holds air under pressure and `other` does not.
bool onlyRed(const QImage &picture, QPoint point, QPoint other)
{
    return picture.pixel(point) == Red && picture.pixel(other) != Red;
}

// The cone's tip: its black outline on the axis, right of the inlet's mouth.
int limiterConeTip(const QImage &picture)
{
    return firstFrom(picture, kLimiterAxis, kLimiterBody.left() + 10, Black);
}

// One letter per frame: the colour of the air at `point`.
QString airAt(const QList<QImage> &frames, QPoint point)
{
    QString letters;
    for (const QImage &frame : frames) {
        const QRgb colour = frame.pixel(point);
        letters += colour == Red ? u'r' : colour == Blue ? u'b' : colour == White ? u'w' : u'?';
    }
    return letters;
}

// Every light grey pixel is body, and the body is the same in every frame.
void verifyBodyStaysPut(const QList<QImage> &frames, const QRect &body)
{
    QCOMPARE(frames[0].pixel(body.topLeft()), Black);
    QCOMPARE(frames[0].pixel(body.topLeft() + QPoint(2, 2)), kBodyGrey);
    QCOMPARE(frames[0].pixel(body.topLeft() - QPoint(1, 1)), White);
    for (qsizetype frame = 1; frame < frames.size(); ++frame) {
        for (int y = 0; y < frames[0].height(); ++y)
            for (int x = 0; x < frames[0].width(); ++x)
                if ((frames[0].pixel(x, y) == kBodyGrey) != (frames[frame].pixel(x, y) == kBodyGrey))
                    QFAIL(qPrintable(QString("frame %1: body differs at %2, %3").arg(frame).arg(x).arg(y)));
    }
}

// Whether the thin arrow beside a top port has its head low, next to the body
// (pointing in), rather than high up (pointing out).
bool arrowPointsDown(const QImage &picture, int x, int bodyTop)
{
    const QRect nearBody(x - 3, bodyTop - 8, 7, 3);
    const QRect farAway(x - 3, bodyTop - 28, 7, 3);
    auto width = [&](const QRect &rows) {
        int black = 0;
        for (int y = rows.top(); y <= rows.bottom(); ++y)
            for (int dx = rows.left(); dx <= rows.right(); ++dx)
                black += picture.pixel(dx, y) == Black;
        return black;
    };
    return width(nearBody) > width(farAway);
}

// The colours a section may use: the air (red under pressure, blue exhausted),
// white, the body and moving parts in greys, black outlines and arrows.
void verifyColourCode(const QList<QImage> &frames, const QString &control)
{
    const QSet<QRgb> code = {White, Black, Red, Blue, kBodyGrey, kPartGrey, kDarkGrey};
    for (qsizetype frame = 0; frame < frames.size(); ++frame)
        for (const QRgb colour : coloursIn(frames[frame], frames[frame].rect()))
            QVERIFY2(code.contains(colour), qPrintable(QString("%1 frame %2 uses colour %3")
                                                           .arg(control).arg(frame).arg(colour, 6, 16)));
}

} // namespace

class TestControlValveSections final : public QObject {
    Q_OBJECT

private slots:
    void bodiesStayPut();
    void coloursFollowTheCode();
    void quickExhaustAir();
    void quickExhaustSealTravel();
    void quickExhaustLettersAndArrows();
    void limiterConeOpensAgainstItsSpring();
    void limiterAirSpreadsFromTheSeat();
    void regulatorFreeFlowLiftsTheBall();
    void regulatorRegulatedFlowPassesTheNeedle();
};

void TestControlValveSections::bodiesStayPut()
{
    verifyBodyStaysPut(framesOf(kExhaustPage, kExhaust, 6), kExhaustBody);
    verifyBodyStaysPut(framesOf(kLimiterPage, kLimiter, 6), kLimiterBody);
    verifyBodyStaysPut(framesOf(kRegulatorPage, kRegulator, 12), kRegulatorBody);
}

void TestControlValveSections::coloursFollowTheCode()
{
    verifyColourCode(framesOf(kExhaustPage, kExhaust, 6), kExhaust);
    verifyColourCode(framesOf(kLimiterPage, kLimiter, 6), kLimiter);
    verifyColourCode(framesOf(kRegulatorPage, kRegulator, 12), kRegulator);
}

void TestControlValveSections::quickExhaustAir()
{
    const QList<QImage> frames = framesOf(kExhaustPage, kExhaust, 6);
    // P is fed for three seconds, then exhausted; A fills once the seal has crossed,
    // holds its pressure until the seal leaves the R seat, then is exhausted through R.
    QCOMPARE(airAt(frames, {kExhaustBody.left() + 8, kExhaustAxis}), QStringLiteral("rrrbbb"));
    QCOMPARE(airAt(frames, {kExhaustA, kExhaustBody.top() + 8}), QStringLiteral("brrrbb"));
    QCOMPARE(airAt(frames, {kExhaustBody.right() - 8, kExhaustAxis}), QStringLiteral("bbbbbb"));
    QCOMPARE(airAt(frames, {270, kExhaustAxis}), QStringLiteral("bbbbbb"));
}

// The disc seal leaves the P seat, crosses to the R seat and comes back the same way,
// always pushed from the side whose air is under pressure.
void TestControlValveSections::quickExhaustSealTravel()
{
    const QList<QImage> frames = framesOf(kExhaustPage, kExhaust, 6);
    QList<int> disc;
    for (const QImage &frame : frames)
        disc << firstInRow(frame, kExhaustAxis, kPartGrey);
    // Air under pressure at P moves it off the P seat at once (frame 0); it closes R
    // while P feeds A and comes back once A exhausts.
    const int seatP = disc[5];
    const int seatR = disc[1];
    QVERIFY(seatP > kExhaustBody.left());
    QVERIFY(seatP < disc[0] && disc[0] < seatR);
    QCOMPARE(disc[2], seatR);
    QCOMPARE(disc[3], seatR);
    QCOMPARE(disc[4], disc[0]);
    QCOMPARE(disc[0] - seatP, seatR - disc[0]);

    // It leaves a seat only pushed by air under pressure on the far side (standing
    // there, or just arrived, which moves it at once), and never moves towards the
    // one side under pressure.
    const QPoint pPassage(kExhaustBody.left() + 8, kExhaustAxis);
    const QPoint aPassage(kExhaustA, kExhaustBody.top() + 8);
    for (int frame = 0; frame < 6; ++frame) {
        const int next = (frame + 1) % 6;
        const QString at = QString("frame %1").arg(frame);
        const bool onSeat = disc[frame] == seatP || disc[frame] == seatR;
        if (disc[next] > disc[frame]) {
            QVERIFY2(!onSeat || frames[frame].pixel(pPassage) == Red || frames[next].pixel(pPassage) == Red,
                     qPrintable(at));
            QVERIFY2(!onlyRed(frames[frame], aPassage, pPassage) && !onlyRed(frames[next], aPassage, pPassage),
                     qPrintable(at));
        }
        if (disc[next] < disc[frame]) {
            QVERIFY2(!onSeat || frames[frame].pixel(aPassage) == Red || frames[next].pixel(aPassage) == Red,
                     qPrintable(at));
            QVERIFY2(!onlyRed(frames[frame], pPassage, aPassage) && !onlyRed(frames[next], pPassage, aPassage),
                     qPrintable(at));
        }
    }
}

void TestControlValveSections::quickExhaustLettersAndArrows()
{
    const QList<QImage> frames = framesOf(kExhaustPage, kExhaust, 6);
    const QRect letterP(0, kExhaustAxis - 30, kExhaustBody.left() - 4, 24);
    const QRect arrowP(0, kExhaustAxis - 3, kExhaustBody.left() - 1, 7);
    const QRect letterR(kExhaustBody.right() + 4, kExhaustAxis - 30, 50, 24);
    const QRect arrowR(kExhaustBody.right() + 1, kExhaustAxis - 3, 50, 7);
    const QRect letterA(kExhaustA - 25, 20, 20, 30);
    const QRect arrowA(kExhaustA - 3, kExhaustBody.top() - 30, 7, 28);
    const int sealOnR = firstInRow(frames[2], kExhaustAxis, kPartGrey);
    for (int frame = 0; frame < 6; ++frame) {
        const QImage &picture = frames[frame];
        const QString at = QString("frame %1").arg(frame);
        // Every port keeps its letter; P has its arrow while fed, R while air leaves
        // through it: only once the seal has left the R seat.
        QVERIFY2(hasInk(picture, letterP), qPrintable(at + ": letter P"));
        QVERIFY2(hasInk(picture, letterR), qPrintable(at + ": letter R"));
        QVERIFY2(hasInk(picture, letterA), qPrintable(at + ": letter A"));
        QVERIFY2(hasInk(picture, arrowP) == (frame < 3), qPrintable(at + ": arrow at P"));
        const bool rOpen = firstInRow(picture, kExhaustAxis, kPartGrey) != sealOnR;
        QVERIFY2(hasInk(picture, arrowR) == (frame >= 3 && rOpen), qPrintable(at + ": arrow at R"));
        // A has an arrow only while its air moves: out while it is under pressure from P,
        // in while it goes back; in frame 0 it is not yet under pressure.
        QVERIFY2(hasInk(picture, arrowA) == (frame != 0), qPrintable(at + ": any arrow at A"));
        if (frame < 3 && hasInk(picture, arrowA))
            QVERIFY2(picture.pixel(kExhaustA, kExhaustBody.top() + 8) == Red, qPrintable(at + ": arrow out of an empty A"));
        // While P feeds A the air leaves at A; once P is exhausted it comes back in.
        QVERIFY2(arrowPointsDown(picture, kExhaustA, kExhaustBody.top()) == (frame >= 3), qPrintable(at + ": arrow at A"));
    }
}

// The cone stays on its seat while the line is exhausted (frame 0) and while the
// working pressure is below the spring's setting (frames 1 and 2); at the setting it
// lifts a little off its seat and holds there in balance with its spring, the same
// small lift every second it relieves; the spring's plate stays put.
void TestControlValveSections::limiterConeOpensAgainstItsSpring()
{
    const QList<QImage> frames = framesOf(kLimiterPage, kLimiter, 6);
    const int rest = limiterConeTip(frames[0]);
    QVERIFY(rest > kLimiterBody.left() + 10);
    QList<int> lifts;
    for (int frame = 0; frame < 6; ++frame) {
        const int tip = limiterConeTip(frames[frame]);
        QCOMPARE(frames[frame].pixel(tip + 5, kLimiterAxis), kPartGrey);
        lifts << tip - rest;
        // Only air under pressure at the inlet can lift the cone.
        if (tip > rest)
            QCOMPARE(frames[frame].pixel(kLimiterBody.left() + 8, kLimiterAxis), Red);
        QCOMPARE(firstFrom(frames[frame], kLimiterAxis - 30, 300, kPartGrey),
                 firstFrom(frames[0], kLimiterAxis - 30, 300, kPartGrey));
    }
    QCOMPARE(lifts.mid(0, 3), (QList<int>{0, 0, 0}));
    QVERIFY(lifts[3] > 0 && lifts[3] <= 15);
    QCOMPARE(lifts[4], lifts[3]);
    QCOMPARE(lifts[5], lifts[3]);
    // Everything the picture box shows of the drawing lies within its 480 x 264 pixels.
    for (const QImage &frame : frames) {
        QCOMPARE(coloursIn(frame, QRect(480, 0, 20, 300)), QSet<QRgb>{White});
        QCOMPARE(coloursIn(frame, QRect(0, 264, 500, 36)), QSet<QRgb>{White});
    }
}

// Past the seat the chamber is open to atmosphere through T and the vent: blue in
// every frame, one colour from the seat to the screw's plate. Red gets past the seat
// only in a thin stream along the open cone's front; the air escaping through T
// blows out under it, more of it each second.
void TestControlValveSections::limiterAirSpreadsFromTheSeat()
{
    const QList<QImage> frames = framesOf(kLimiterPage, kLimiter, 6);
    const QRect pastTheCone(QPoint(210, kLimiterBody.top()), QPoint(kLimiterBody.right(), kLimiterBody.bottom()));
    const QRect pastTheSeat(QPoint(141, kLimiterBody.top()), QPoint(kLimiterBody.right(), kLimiterBody.bottom()));
    for (int frame = 0; frame < 6; ++frame) {
        const QString at = QString("frame %1").arg(frame);
        QVERIFY2(!coloursIn(frames[frame], pastTheCone).contains(Red), qPrintable(at));
        QVERIFY2(!coloursIn(frames[frame], pastTheCone).contains(White), qPrintable(at + ": white in the chamber"));
        QVERIFY2(coloursIn(frames[frame], pastTheSeat).contains(Red) == (frame >= 3), qPrintable(at));
    }
    QCOMPARE(airAt(frames, {kLimiterBody.left() + 8, kLimiterAxis}), QStringLiteral("brrrrr"));
    for (const QPoint &atmosphere : {QPoint(kLimiterOutlet, kLimiterBody.bottom() - 3),
                                     QPoint(kLimiterVent, kLimiterBody.bottom() - 3), QPoint(260, 100), QPoint(325, 100)})
        QCOMPARE(airAt(frames, atmosphere), QStringLiteral("bbbbbb"));
    // The letter T and its arrow stand under the outlet while the cone is open; P has
    // its arrow while air under pressure stands at the inlet.
    const QRect underOutlet(kLimiterOutlet - 20, kLimiterBody.bottom() + 2, 40, 40);
    const QRect spray(kLimiterOutlet - 20, kLimiterBody.bottom() + 26, 40, 40);
    const QRect arrowP(0, kLimiterAxis - 3, kLimiterBody.left() - 1, 7);
    int escaped = 0;
    for (int frame = 0; frame < 6; ++frame) {
        const QString at = QString("frame %1").arg(frame);
        QVERIFY2(hasInk(frames[frame], underOutlet) == (frame >= 3), qPrintable(at + ": letter T"));
        QVERIFY2(hasInk(frames[frame], arrowP) == (frame >= 1), qPrintable(at + ": arrow at P"));
        const int blown = countOf(frames[frame].copy(spray), Blue);
        QVERIFY2(frame >= 3 ? blown > escaped : blown == 0, qPrintable(at + ": air blown out of T"));
        escaped = blown;
    }
}

// Out towards the cylinder the air lifts the ball and passes freely: frame 0 at rest
// (no air under pressure, no arrow at P), then air under pressure everywhere; the
// ball is off its seat, with an arrow out of the cylinder port, exactly while the air
// flows on to the cylinder, and back on its seat once the piston has stopped.
void TestControlValveSections::regulatorFreeFlowLiftsTheBall()
{
    const QList<QImage> frames = framesOf(kRegulatorPage, kRegulator, 12);
    const QRect arrowAtP(0, kRegulatorAxis - 3, kRegulatorBody.left() - 1, 7);
    const QRect arrowAtCylinder(kRegulatorBody.right() + 1, kRegulatorAxis - 3, 50, 7);
    const int seated = firstFrom(frames[0], kRegulatorAxis, kRegulatorBody.left() + 10, kPartGrey);
    QVERIFY(seated > kRegulatorBody.left() + 100);
    QCOMPARE(countOf(frames[0], Red), 0);
    QVERIFY(!hasInk(frames[0], arrowAtP) && !hasInk(frames[0], arrowAtCylinder));
    int flowing = 0;
    for (int frame = 1; frame < 6; ++frame) {
        const QImage &picture = frames[frame];
        const QString at = QString("frame %1").arg(frame);
        QVERIFY2(countOf(picture, Blue) == 0, qPrintable(at + ": blue while fed"));
        QVERIFY2(hasInk(picture, arrowAtP), qPrintable(at + ": arrow at P"));
        const bool lifted = firstFrom(picture, kRegulatorAxis, kRegulatorBody.left() + 10, kPartGrey) > seated;
        QVERIFY2(lifted == hasInk(picture, arrowAtCylinder), qPrintable(at + ": ball and flow"));
        flowing += lifted;
    }
    QVERIFY(flowing >= 2);
    QVERIFY2(firstFrom(frames[5], kRegulatorAxis, kRegulatorBody.left() + 10, kPartGrey) == seated,
             "the ball stays off its seat with nothing flowing");
    // P at the lower left, and no word above the body.
    for (int frame = 0; frame < 6; ++frame) {
        QVERIFY(hasInk(frames[frame], QRect(0, kRegulatorAxis - 30, kRegulatorBody.left() - 2, 20)));
        QVERIFY(!contains(frames[frame].copy(30, 20, 200, 50), kDarkGrey));
    }
}

// Back from the cylinder the ball stays seated and the air leaving the cylinder takes
// the way past the needle. It is exhaust air on its way to the directional valve's
// exhaust: blue, with no P; arrows trace its way, from the cylinder port in at the
// right to the left port, one leg more each second.
void TestControlValveSections::regulatorRegulatedFlowPassesTheNeedle()
{
    const QList<QImage> frames = framesOf(kRegulatorPage, kRegulator, 12);
    const QList<QImage> regulated = frames.mid(6, 6);
    // The ball stays on its seat, where it rests in frame 0.
    const QRect ball(170, kRegulatorAxis - 22, 50, 45);
    for (const QImage &frame : regulated)
        for (int y = ball.top(); y <= ball.bottom(); ++y)
            for (int x = ball.left(); x <= ball.right(); ++x)
                QCOMPARE(frame.pixel(x, y) == kPartGrey, frames[0].pixel(x, y) == kPartGrey);

    const QRect arrowAtCylinder(kRegulatorBody.right() + 1, kRegulatorAxis - 3, 50, 7);
    const QRect arrowAtLeft(0, kRegulatorAxis - 3, kRegulatorBody.left() - 1, 7);
    const QRect letterPLeft(0, kRegulatorAxis - 30, kRegulatorBody.left() - 2, 20);
    const QRect letterPRight(kRegulatorBody.right() + 2, kRegulatorAxis - 30, 50, 20);
    int traced = 0;
    for (int index = 0; index < 6; ++index) {
        const QImage &frame = regulated[index];
        const QString at = QString("frame %1").arg(index + 6);
        QVERIFY2(countOf(frame, Red) == 0, qPrintable(at + ": exhaust air drawn under pressure"));
        QVERIFY2(!hasInk(frame, letterPLeft) && !hasInk(frame, letterPRight), qPrintable(at + ": letter P"));
        QVERIFY2(hasInk(frame, arrowAtCylinder), qPrintable(at + ": arrow at the cylinder port"));
        QVERIFY2(hasInk(frame, arrowAtLeft) == (index == 5), qPrintable(at + ": arrow out at the left"));
        // The black inside the hollows: the spring, the ball's rim and the arrows.
        int black = 0;
        for (const QRect &passage : {QRect(QPoint(96, 106), QPoint(258, 117)), QRect(QPoint(96, 119), QPoint(107, 167)),
                                     QRect(QPoint(263, 127), QPoint(270, 154)), QRect(QPoint(351, 170), QPoint(398, 189))})
            black += coloursIn(frame, passage).contains(Black);
        QVERIFY2(black >= traced, qPrintable(at + ": the traced way shrinks"));
        traced = black;
        QVERIFY(countOf(frame.copy(30, 20, 200, 50), kDarkGrey) > 100);
    }
    QCOMPARE(traced, 4);
}

QTEST_GUILESS_MAIN(TestControlValveSections)
#include "test_control_valve_sections.moc"
