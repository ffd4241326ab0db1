// Checks the committed section animations of the quick exhaust valve, the
// pressure-limiting valve and the one-way flow control valve against what each
// frame must show: the colour of the air in each passage, the moving part's travel,
// the port letters and arrows, and a body that stays put.
#include "PictureChecks.h"

#include <QImage>
#include <QtTest>

using namespace PictureChecks;

namespace {

constexpr QRgb kBodyGrey = qRgb(198, 198, 198);
constexpr QRgb kPartGrey = qRgb(132, 132, 132);
constexpr QRgb kDarkGrey = qRgb(99, 99, 99);
constexpr QRgb kCyan = qRgb(198, 255, 255);

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

// One letter per frame: the colour of the air at `point`.
QString airAt(const QList<QImage> &frames, QPoint point)
{
    QString letters;
    for (const QImage &frame : frames) {
        const QRgb colour = frame.pixel(point);
        letters += colour == Red ? u'r' : colour == Blue ? u'b' : colour == kCyan ? u'c' : colour == White ? u'w' : u'?';
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

} // namespace

class TestControlValveSections final : public QObject {
    Q_OBJECT

private slots:
    void bodiesStayPut();
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

void TestControlValveSections::quickExhaustAir()
{
    const QList<QImage> frames = framesOf(kExhaustPage, kExhaust, 6);
    // Light cyan: the chamber and A before the pressure arrives, then R as the exhaust starts.
    for (int frame = 0; frame < 6; ++frame)
        QVERIFY2(contains(frames[frame], kCyan) == (frame == 0 || frame == 1 || frame == 3),
                 qPrintable(QString("light cyan in frame %1").arg(frame)));
    QCOMPARE(airAt(frames, {kExhaustBody.left() + 8, kExhaustAxis}), QStringLiteral("rrrbbb"));
    QCOMPARE(airAt(frames, {kExhaustA, kExhaustBody.top() + 8}), QStringLiteral("ccrrrr"));
    QCOMPARE(airAt(frames, {kExhaustBody.right() - 8, kExhaustAxis}), QStringLiteral("bbbcbr"));
    // Half of the R passage is red as the seal travels back.
    QCOMPARE(airAt(frames, {270, kExhaustAxis}), QStringLiteral("bbbcrr"));
}

// The disc seal leaves the P seat, crosses to the R seat and comes back the same way.
void TestControlValveSections::quickExhaustSealTravel()
{
    const QList<QImage> frames = framesOf(kExhaustPage, kExhaust, 6);
    QList<int> disc;
    for (const QImage &frame : frames)
        disc << firstInRow(frame, kExhaustAxis, kPartGrey);
    QVERIFY(disc[0] > kExhaustBody.left());
    QVERIFY(disc[0] < disc[1] && disc[1] < disc[2]);
    QCOMPARE(disc[3], disc[2]);
    QCOMPARE(disc[4], disc[1]);
    QCOMPARE(disc[5], disc[0]);
    QCOMPARE(disc[1] - disc[0], disc[2] - disc[1]);
}

void TestControlValveSections::quickExhaustLettersAndArrows()
{
    const QList<QImage> frames = framesOf(kExhaustPage, kExhaust, 6);
    const QRect letterP(0, kExhaustAxis - 30, kExhaustBody.left() - 4, 24);
    const QRect arrowP(0, kExhaustAxis - 3, kExhaustBody.left() - 1, 7);
    const QRect letterR(kExhaustBody.right() + 4, kExhaustAxis - 30, 50, 24);
    const QRect arrowR(kExhaustBody.right() + 1, kExhaustAxis - 3, 50, 7);
    const QRect letterA(kExhaustA - 25, 20, 20, 30);
    for (int frame = 0; frame < 6; ++frame) {
        const QImage &picture = frames[frame];
        const QString at = QString("frame %1").arg(frame);
        QVERIFY2(hasInk(picture, letterP) == (frame < 3), qPrintable(at + ": letter P"));
        QVERIFY2(hasInk(picture, arrowP) == (frame < 2), qPrintable(at + ": arrow at P"));
        QVERIFY2(hasInk(picture, letterR) == (frame >= 3), qPrintable(at + ": letter R"));
        QVERIFY2(hasInk(picture, arrowR) == (frame >= 3), qPrintable(at + ": arrow at R"));
        QVERIFY2(hasInk(picture, letterA), qPrintable(at + ": letter A"));
        QVERIFY2(arrowPointsDown(picture, kExhaustA, kExhaustBody.top()) == (frame >= 2), qPrintable(at + ": arrow at A"));
    }
}

// The cone's tip (its black outline on the axis) moves off the seat 9 pixels a frame
// (8 once) while the spring's plate, and with it the spring's far end, stays put.
void TestControlValveSections::limiterConeOpensAgainstItsSpring()
{
    const QList<QImage> frames = framesOf(kLimiterPage, kLimiter, 6);
    const QList<int> steps = {9, 9, 8, 9, 9};
    int previous = -1;
    for (int frame = 0; frame < 6; ++frame) {
        const int tip = firstFrom(frames[frame], kLimiterAxis, kLimiterBody.left() + 10, Black);
        QVERIFY(tip > kLimiterBody.left() + 10);
        QCOMPARE(frames[frame].pixel(tip + 5, kLimiterAxis), kPartGrey);
        if (previous >= 0)
            QCOMPARE(tip - previous, steps[frame - 1]);
        previous = tip;
    }
    // Everything the picture box shows of the drawing lies within its 480 x 264 pixels.
    for (const QImage &frame : frames) {
        QCOMPARE(coloursIn(frame, QRect(480, 0, 20, 300)), QSet<QRgb>{White});
        QCOMPARE(coloursIn(frame, QRect(0, 264, 500, 36)), QSet<QRgb>{White});
    }
}

void TestControlValveSections::limiterAirSpreadsFromTheSeat()
{
    const QList<QImage> frames = framesOf(kLimiterPage, kLimiter, 6);
    int red = 0;
    for (int frame = 0; frame < 6; ++frame) {
        const int now = countOf(frames[frame], Red);
        QVERIFY2(now > red, qPrintable(QString("red does not grow in frame %1").arg(frame)));
        red = now;
    }
    QCOMPARE(airAt(frames, {kLimiterBody.left() + 8, kLimiterAxis}), QStringLiteral("rrrrrr"));
    QCOMPARE(airAt(frames, {kLimiterOutlet, kLimiterBody.bottom() - 3}), QStringLiteral("wwrrrr"));
    // Behind the screw's plate, the chamber and its vent stay empty.
    QCOMPARE(airAt(frames, {kLimiterVent, kLimiterBody.bottom() - 3}), QStringLiteral("wwwwww"));
    // The spring's middle fills in frame 3, the chamber's top by the plate in frame 5.
    QCOMPARE(airAt(frames, {260, 100}), QStringLiteral("wwwrrr"));
    QCOMPARE(airAt(frames, {325, 100}), QStringLiteral("wwwwwr"));
    // The letter T and its arrow appear under the outlet once the cone has lifted.
    const QRect underOutlet(kLimiterOutlet - 20, kLimiterBody.bottom() + 2, 40, 40);
    for (int frame = 0; frame < 6; ++frame)
        QVERIFY2(hasInk(frames[frame], underOutlet) == (frame > 0), qPrintable(QString("letter T, frame %1").arg(frame)));
}

void TestControlValveSections::regulatorFreeFlowLiftsTheBall()
{
    const QList<QImage> frames = framesOf(kRegulatorPage, kRegulator, 12);
    const QList<QImage> free = frames.mid(0, 6);
    // The ball's left edge on the axis, 9 pixels further off its seat each frame.
    const QList<int> steps = {9, 9, 8, 9, 9};
    const int rest = firstFrom(frames[0], kRegulatorAxis, kRegulatorBody.left() + 10, kPartGrey);
    for (int frame = 1; frame < 6; ++frame)
        QCOMPARE(firstFrom(frames[frame], kRegulatorAxis, kRegulatorBody.left() + 10, kPartGrey) -
                     firstFrom(frames[frame - 1], kRegulatorAxis, kRegulatorBody.left() + 10, kPartGrey),
                 steps[frame - 1]);
    QVERIFY(rest > kRegulatorBody.left() + 100);

    QCOMPARE(airAt(free, {kRegulatorBody.left() + 8, kRegulatorAxis}), QStringLiteral("rrrrrr"));   // left port
    QCOMPARE(airAt(free, {101, 140}), QStringLiteral("rrrrrr"));                                     // vertical branch
    QCOMPARE(airAt(free, {290, 111}), QStringLiteral("brrrrr"));                                     // past the needle
    QCOMPARE(airAt(free, {266, 140}), QStringLiteral("brrrrr"));                                     // link
    QCOMPARE(airAt(free, {300, 202}), QStringLiteral("bbbbrr"));                                     // far end of the spring chamber
    QCOMPARE(airAt(free, {kRegulatorBody.right() - 8, kRegulatorAxis}), QStringLiteral("bbbbbr"));  // right port
    int red = 0;
    for (const QImage &frame : free) {
        QVERIFY(countOf(frame, Red) > red);
        red = countOf(frame, Red);
    }
    // P at the lower left, and no word above the body.
    for (const QImage &frame : free) {
        QVERIFY(hasInk(frame, QRect(0, kRegulatorAxis - 30, kRegulatorBody.left() - 2, 40)));
        QVERIFY(!hasInk(frame, QRect(kRegulatorBody.right() + 2, kRegulatorAxis - 30, 50, 40)));
        QVERIFY(!contains(frame.copy(30, 20, 200, 50), kDarkGrey));
    }
}

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

    QCOMPARE(airAt(regulated, {kRegulatorBody.right() - 8, kRegulatorAxis}), QStringLiteral("rrrrrr"));
    QCOMPARE(airAt(regulated, {330, 202}), QStringLiteral("brrrrr"));   // right half of the spring chamber
    QCOMPARE(airAt(regulated, {200, 202}), QStringLiteral("bbrrrr"));   // left end of the spring chamber
    QCOMPARE(airAt(regulated, {266, 145}), QStringLiteral("bbrrrr"));   // the link's lower end
    QCOMPARE(airAt(regulated, {263, 123}), QStringLiteral("bbbrrr"));   // the link beside the needle's tip
    QCOMPARE(airAt(regulated, {120, 111}), QStringLiteral("bbbrrr"));   // the upper passage
    QCOMPARE(airAt(regulated, {101, 140}), QStringLiteral("bbbbrr"));   // down the vertical branch
    QCOMPARE(airAt(regulated, {kRegulatorBody.left() + 8, kRegulatorAxis}), QStringLiteral("bbbbbr"));
    int red = 0;
    for (const QImage &frame : regulated) {
        QVERIFY(countOf(frame, Red) > red);
        red = countOf(frame, Red);
    }
    // P at the lower right, and "REGULACIÓ" in dark grey above the body's top left.
    for (const QImage &frame : regulated) {
        QVERIFY(!hasInk(frame, QRect(0, kRegulatorAxis - 30, kRegulatorBody.left() - 2, 40)));
        QVERIFY(hasInk(frame, QRect(kRegulatorBody.right() + 2, kRegulatorAxis - 30, 50, 40)));
        QVERIFY(countOf(frame.copy(30, 20, 200, 50), kDarkGrey) > 100);
    }
}

QTEST_GUILESS_MAIN(TestControlValveSections)
#include "test_control_valve_sections.moc"
