// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the committed section animations of the non-return, shuttle and
// two-pressure valves against what each frame must show: how far the air under
// pressure reaches, the ball or the shuttle moving, the ports marked, the body
// standing still, and every drawing inside the box that shows it.
#include "PictureChecks.h"

#include <QImage>
#include <QtTest>

using namespace PictureChecks;

namespace {

constexpr QRgb kBodyGrey = qRgb(198, 198, 198);
constexpr QRgb kPartGrey = qRgb(99, 99, 99);

struct Section {
    const char *page;
    const char *control;
    QRect body;
    int axisRow;      // the row through the passage and the moving part
    int outletX;      // the column of the outlet on top; 0 for none
    int widthShown;   // the drawing must stay left of this column in every frame
};

const Section kNonReturn{"frmAntiretorn", "picVàlvulaAntiretorn", QRect(QPoint(85, 80), QPoint(405, 190)), 135, 0, 454};
const Section kShuttle{"frmSelectora", "picVàlvulaSelectora", QRect(QPoint(80, 90), QPoint(380, 201)), 146, 230, 420};
const Section kTwoPressure{"frmSimultaneïtat", "picVàlvulaSimultaneïtat", QRect(QPoint(70, 90), QPoint(370, 201)),
                           146, 220, 413};
const Section *const kSections[] = {&kNonReturn, &kShuttle, &kTwoPressure};

QString nameOf(const Section &section, int frame)
{
    return framePictureName(QString::fromUtf8(section.page), QString::fromUtf8(section.control), frame);
}

QList<QImage> framesOf(const Section &section)
{
    QList<QImage> frames;
    for (int frame = 0; frame < 6; ++frame)
        frames << committed(nameOf(section, frame));
    return frames;
}

// The air just inside the inlet on the left, the outlet on the right (non-return)
// or on top (the others), and the inlet on the right.
QRgb leftInlet(const Section &s, const QImage &picture) { return picture.pixel(s.body.left() + 3, s.axisRow); }
QRgb rightPort(const Section &s, const QImage &picture) { return picture.pixel(s.body.right() - 3, s.axisRow); }
QRgb topOutlet(const Section &s, const QImage &picture) { return picture.pixel(s.outletX, s.body.top() + 3); }

// The flow arrows outside the body: into either inlet, and up beside the outlet.
// An arrow's head lies next to the body when it points in, far from it when it points out.
bool arrowIntoLeft(const Section &s, const QImage &picture) { return picture.pixel(s.body.left() - 8, s.axisRow - 2) == Black; }
bool arrowOutOfLeft(const Section &s, const QImage &picture) { return picture.pixel(s.body.left() - 25, s.axisRow - 2) == Black; }
bool arrowIntoRight(const Section &s, const QImage &picture) { return picture.pixel(s.body.right() + 15, s.axisRow) == Black; }
bool arrowAboveOutlet(const Section &s, const QImage &picture)
{
    return coloursIn(picture, QRect(QPoint(s.outletX + 14, s.body.top() - 25), QPoint(s.outletX + 14, s.body.top() - 5)))
        .contains(Black);
}

// The moving part on the axis row: the first and last dark grey pixels inside the body.
int partLeft(const Section &s, const QImage &picture)
{
    for (int x = s.body.left(); x <= s.body.right(); ++x)
        if (picture.pixel(x, s.axisRow) == kPartGrey)
            return x;
    return -1;
}

int partRight(const Section &s, const QImage &picture)
{
    for (int x = s.body.right(); x >= s.body.left(); --x)
        if (picture.pixel(x, s.axisRow) == kPartGrey)
            return x;
    return -1;
}

QString framed(const Section &s, int frame, const char *what)
{
    return QStringLiteral("%1 frame %2: %3").arg(QString::fromUtf8(s.control)).arg(frame).arg(QLatin1String(what));
}


// ---- Section and circuit at the same second ------------------------------------

enum class Piston { GoesIn, StandsStill, GoesOut };

// One second of the page's story, as a pneumatics teacher tells it: which inlets of
// the valve have air (the buttons pressed in the circuit), whether air passes on to
// the cylinder, and how the piston moves since the second before.
struct Moment {
    const char *fed;   // "L", "R", "LR" or ""
    bool passes;
    Piston piston;
    bool held = false; // air shut in on the outlet side of the non-return valve
};

// The 3/2 button pressed, the air lifts the ball and drives the piston out until the
// cylinder is full and the flow stops; released, the valve holds the piston (the
// release valve keeps the bypass shut); the release button pressed, the cylinder
// empties through the bypass.
constexpr Moment kNonReturnStory[6] = {
    {"", false, Piston::GoesIn},   {"L", true, Piston::GoesOut},           {"L", true, Piston::GoesOut},
    {"L", false, Piston::GoesOut}, {"", false, Piston::StandsStill, true}, {"", false, Piston::StandsStill, true},
};

// Either button alone: its air first drives the ball over to the other seat, then
// reaches the cylinder; released, the cylinder springs back in.
constexpr Moment kShuttleStory[6] = {
    {"", false, Piston::GoesIn},     {"L", false, Piston::StandsStill}, {"L", true, Piston::GoesOut},
    {"", false, Piston::GoesIn},     {"R", false, Piston::StandsStill}, {"R", true, Piston::GoesOut},
};

// One button alone closes its own side; only both together reach the cylinder.
constexpr Moment kTwoPressureStory[6] = {
    {"", false, Piston::StandsStill}, {"L", false, Piston::StandsStill}, {"L", false, Piston::StandsStill},
    {"LR", true, Piston::GoesOut},    {"R", false, Piston::GoesIn},      {"R", false, Piston::GoesIn},
};

QString fedFrom(bool left, bool right)
{
    return QString(left ? "L" : "") + QString(right ? "R" : "");
}

struct Reading {
    QString fed;
    bool passes;
    bool held = false;
};

// The circuits on these pages: the inlet lines from the buttons' valves, the outlet
// line, the piston; and on the non-return page the line from the button's valve up
// to the non-return valve, and that valve passing air (purple).
constexpr QPoint kCircuitLeftLine(56, 150);
constexpr QPoint kCircuitRightLine(184, 150);
constexpr QPoint kCircuitOutletLine(120, 104);
constexpr int kCircuitPistonRow = 42;
constexpr QPoint kCheckInletLine(86, 160);
constexpr QPoint kCheckCylinderLine(86, 76);
constexpr QRect kCheckValveArea(76, 100, 21, 42);
constexpr int kCheckPistonRow = 30;
constexpr QRgb kPurple = qRgb(198, 0, 198);
constexpr QRgb kPistonGrey = qRgb(132, 132, 132);

// A channel steps to the second of the minute modulo its frame count.
int framesIn(const QString &page, const QString &control)
{
    for (const PictureArray &array : pictureArrays())
        if (array.page == page && array.control == control)
            return array.frames;
    qFatal("no frame array %s", qPrintable(control));
}

} // namespace

class TestLogicValveSections final : public QObject {
    Q_OBJECT

private slots:
    void drawingsStayInsideTheirBoxes();
    void bodyStaysInPlace();
    void nonReturnPassesOneWayAndHoldsTheOther();
    void shuttleBallClosesTheInletWithoutAir();
    void twoPressureValvePassesAirOnlyFromBothSides();
    void sectionAndCircuitAgreeEverySecond_data();
    void sectionAndCircuitAgreeEverySecond();
};

// The boxes cut the pictures' bottom rows, and on the shuttle and two-pressure pages
// frame 2's box is narrower than the others: nothing may be drawn where it is cut.
void TestLogicValveSections::drawingsStayInsideTheirBoxes()
{
    for (const Section *section : kSections) {
        for (int frame = 0; frame < 6; ++frame) {
            const QImage picture = committed(nameOf(*section, frame));
            QVERIFY2(!picture.isNull(), qPrintable(nameOf(*section, frame)));
            const QRect cutRight(QPoint(section->widthShown, 0), QPoint(picture.width() - 1, picture.height() - 1));
            const QRect cutBelow(QPoint(0, 265), QPoint(picture.width() - 1, picture.height() - 1));
            QCOMPARE(coloursIn(picture, cutRight) - QSet<QRgb>{White}, QSet<QRgb>{});
            QCOMPARE(coloursIn(picture, cutBelow) - QSet<QRgb>{White}, QSet<QRgb>{});
        }
    }
}

// Every light grey pixel is body, and the body is the same in all six frames: the
// ball and the shuttle never cover it, however far they move.
void TestLogicValveSections::bodyStaysInPlace()
{
    for (const Section *section : kSections) {
        const QList<QImage> frames = framesOf(*section);
        QCOMPARE(frames[0].pixel(section->body.topLeft()), Black);
        QCOMPARE(frames[0].pixel(section->body.topLeft() + QPoint(2, 2)), kBodyGrey);
        for (int frame = 1; frame < 6; ++frame) {
            for (int y = 0; y < frames[0].height(); ++y) {
                for (int x = 0; x < frames[0].width(); ++x) {
                    if ((frames[0].pixel(x, y) == kBodyGrey) != (frames[frame].pixel(x, y) == kBodyGrey))
                        QFAIL(qPrintable(framed(*section, frame, "body differs") + QStringLiteral(" at %1, %2").arg(x).arg(y)));
                }
            }
        }
    }
}

// The valve lets air through one way and closes the other. No air: the spring holds
// the ball on its seat. Air under pressure at the inlet lifts the ball and flows on
// to the outlet. Air under pressure on the outlet side with the inlet let out to
// exhaust presses the ball onto its seat and stays there, held: the ball is seated
// in exactly the place it rests in, and only the outlet side is red.
void TestLogicValveSections::nonReturnPassesOneWayAndHoldsTheOther()
{
    const Section &s = kNonReturn;
    const QList<QImage> frames = framesOf(s);
    QVERIFY(!contains(frames[0], Red));
    QVERIFY(!arrowIntoLeft(s, frames[0]));
    const int seated = partLeft(s, frames[0]);
    int forward = 0;
    int held = 0;
    int lastLift = INT_MAX;
    for (int frame = 0; frame < 6; ++frame) {
        const QImage &picture = frames[frame];
        const bool inlet = leftInlet(s, picture) == Red;
        const bool outlet = rightPort(s, picture) == Red;
        const int lift = partLeft(s, picture) - seated;
        QVERIFY2(lift >= 0, qPrintable(framed(s, frame, "the ball beyond its seat")));
        QVERIFY2(lift == 0 || inlet, qPrintable(framed(s, frame, "the ball lifted without air at the inlet")));
        QVERIFY2(arrowIntoLeft(s, picture) == inlet, qPrintable(framed(s, frame, "arrow into the inlet")));
        QVERIFY2(!arrowOutOfLeft(s, picture) || !inlet, qPrintable(framed(s, frame, "arrow out of a fed inlet")));
        // Air leaves at the outlet (an arrow there) exactly while it lifts the ball.
        QVERIFY2((picture.pixel(s.body.right() + 15, s.axisRow) == Black) == (lift > 0),
                 qPrintable(framed(s, frame, "arrow out of the outlet")));
        if (inlet) {
            ++forward;
            QVERIFY2(outlet, qPrintable(framed(s, frame, "air at the inlet but not beyond the ball")));
            QVERIFY2(!contains(picture, Blue), qPrintable(framed(s, frame, "blue while the supply is on")));
            // The rush of the first second lifts the ball furthest; as the cylinder
            // fills the flow dies away and the spring brings the ball back.
            QVERIFY2(lift <= lastLift, qPrintable(framed(s, frame, "the ball lifts further as the flow dies")));
            lastLift = lift;
        } else if (outlet) {
            ++held;
            // Red from the ball's seal on: the chamber and the outlet hold their air.
            QVERIFY2(picture.pixel(partRight(s, picture) + 4, s.axisRow) == Red,
                     qPrintable(framed(s, frame, "the chamber does not hold the air")));
            QVERIFY2(lastInRow(picture, s.axisRow, Blue) < partLeft(s, picture) + 20,
                     qPrintable(framed(s, frame, "blue beyond the seat")));
        }
    }
    QVERIFY(forward >= 3);
    // Once the cylinder is full the flow stops: the ball is back on its seat.
    QCOMPARE(lastLift, 0);
    QVERIFY(held >= 2);
}

void TestLogicValveSections::shuttleBallClosesTheInletWithoutAir()
{
    const Section &s = kShuttle;
    const QList<QImage> frames = framesOf(s);
    // Frames 0 and 3: no air; 1-2: air from the left; 4-5: air from the right.
    // Between them the ball crosses from one seat to the other, through the middle
    // under the outlet.
    const QString airFrom = QStringLiteral("-LL-RR");
    const QString outletRed = QStringLiteral("nnynny");
    for (int frame = 0; frame < 6; ++frame) {
        const QImage &picture = frames[frame];
        const bool left = airFrom[frame] == u'L';
        const bool right = airFrom[frame] == u'R';
        QCOMPARE(leftInlet(s, picture), left ? Red : Blue);
        QCOMPARE(rightPort(s, picture), right ? Red : Blue);
        QCOMPARE(topOutlet(s, picture), outletRed[frame] == u'y' ? Red : Blue);
        QCOMPARE(arrowIntoLeft(s, picture), left);
        QCOMPARE(arrowIntoRight(s, picture), right);
        // Air leaves A, with an arrow, only once the ball has closed the other inlet.
        QVERIFY2(arrowAboveOutlet(s, picture) == (outletRed[frame] == u'y'), qPrintable(framed(s, frame, "arrow above A")));
    }
    QVERIFY(!contains(frames[0], Red) && !contains(frames[3], Red));
    const auto ballCentre = [&](int frame) { return (partLeft(s, frames[frame]) + partRight(s, frames[frame])) / 2; };
    QCOMPARE(ballCentre(0), ballCentre(5));
    QCOMPARE(ballCentre(2), ballCentre(3));
    QCOMPARE(ballCentre(1), s.outletX);
    QCOMPARE(ballCentre(4), s.outletX);
    QVERIFY(ballCentre(0) < ballCentre(1) && ballCentre(1) < ballCentre(2));
    QCOMPARE(ballCentre(0) + ballCentre(2), 2 * s.outletX);  // the seats mirror each other
}

void TestLogicValveSections::twoPressureValvePassesAirOnlyFromBothSides()
{
    const Section &s = kTwoPressure;
    const QList<QImage> frames = framesOf(s);

    // At rest no air at either inlet; both inlets: all red, a P arrow at each end
    // and air leaving A.
    QVERIFY(!contains(frames[0], Red));
    QVERIFY(!arrowIntoLeft(s, frames[0]) && !arrowIntoRight(s, frames[0]) && !arrowAboveOutlet(s, frames[0]));
    QVERIFY(!contains(frames[3], Blue));
    QVERIFY(arrowIntoLeft(s, frames[3]) && arrowIntoRight(s, frames[3]) && arrowAboveOutlet(s, frames[3]));
    // One inlet: only that end red; the outlet without pressure.
    for (int frame : {1, 2, 4, 5}) {
        const bool left = frame < 3;
        QCOMPARE(leftInlet(s, frames[frame]), left ? Red : Blue);
        QCOMPARE(rightPort(s, frames[frame]), left ? Blue : Red);
        QCOMPARE(topOutlet(s, frames[frame]), Blue);
        QCOMPARE(arrowIntoLeft(s, frames[frame]), left);
        QCOMPARE(arrowIntoRight(s, frames[frame]), !left);
        QVERIFY2(!arrowAboveOutlet(s, frames[frame]), qPrintable(framed(s, frame, "arrow above an exhausted A")));
    }

    // The shuttle moves away from the inlet with air, step by step, equally far
    // either way, from the middle where it stands at rest. When the second inlet is
    // fed the pressures on the two discs balance: the shuttle stays where the first
    // one pushed it.
    const auto shuttleAt = [&](int frame) { return partLeft(s, frames[frame]); };
    QCOMPARE(shuttleAt(3), shuttleAt(2));
    QVERIFY(shuttleAt(0) < shuttleAt(1) && shuttleAt(1) < shuttleAt(2));
    QVERIFY(shuttleAt(0) > shuttleAt(4) && shuttleAt(4) > shuttleAt(5));
    QCOMPARE(shuttleAt(2) - shuttleAt(0), shuttleAt(0) - shuttleAt(5));

    // Fully over, the disc on the side with air closes its chamber: beside the
    // passage, nothing but the disc's seal and the seat lies between the disc and
    // the body. Half way over there is still a gap of red air.
    const int row = s.axisRow - 16;
    const auto gapBehindDisc = [&](const QImage &picture, bool leftDisc) {
        QSet<QRgb> gap;
        const int step = leftDisc ? 1 : -1;
        int x = leftDisc ? s.body.left() + 4 : s.body.right() - 4;
        while (picture.pixel(x, row) != kPartGrey)
            x += step;
        while (picture.pixel(x, row) == kPartGrey)
            x += step;
        for (; picture.pixel(x, row) != kBodyGrey; x += step)
            gap.insert(picture.pixel(x, row));
        return gap;
    };
    QCOMPARE(gapBehindDisc(frames[2], true), QSet<QRgb>{Black});
    QCOMPARE(gapBehindDisc(frames[3], true), QSet<QRgb>{Black});
    QCOMPARE(gapBehindDisc(frames[5], false), QSet<QRgb>{Black});
    QVERIFY(gapBehindDisc(frames[1], true).contains(Red));
    QVERIFY(gapBehindDisc(frames[4], false).contains(Red));
}

void TestLogicValveSections::sectionAndCircuitAgreeEverySecond_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("non-return") << 0;
    QTest::newRow("shuttle") << 1;
    QTest::newRow("two-pressure") << 2;
}

// With both animations running, each second the valve in section and the circuit
// tell the same moment: the same inlets have air, air passes on in both or in
// neither, the non-return valve holds the cylinder's air in both or in neither, and
// the piston moves as the table says.
void TestLogicValveSections::sectionAndCircuitAgreeEverySecond()
{
    QFETCH(int, page);
    const Section &s = *kSections[page];
    const Moment *story = page == 0 ? kNonReturnStory : page == 1 ? kShuttleStory : kTwoPressureStory;
    const QString pageName = QString::fromUtf8(s.page);
    const QString circuit = QString::fromUtf8(page == 0 ? "picCircuitAntiretorn"
                                              : page == 1 ? "picCircuitSelectora" : "picCircuitSimultaneïtat");
    const int sectionFrames = framesIn(pageName, QString::fromUtf8(s.control));
    const int circuitFrames = framesIn(pageName, circuit);

    const QList<QImage> sections = framesOf(s);
    int seated = INT_MAX;  // the non-return valve's ball on its seat: furthest left
    for (const QImage &picture : sections)
        seated = qMin(seated, partLeft(s, picture));
    const auto sectionReading = [&](const QImage &picture) -> Reading {
        if (page == 0)
            return {fedFrom(leftInlet(s, picture) == Red, false), partLeft(s, picture) > seated,
                    rightPort(s, picture) == Red && leftInlet(s, picture) == Blue && partLeft(s, picture) == seated};
        return {fedFrom(leftInlet(s, picture) == Red, rightPort(s, picture) == Red), topOutlet(s, picture) == Red};
    };
    const auto circuitReading = [&](const QImage &picture) -> Reading {
        if (page == 0) {
            const bool passes = coloursIn(picture, kCheckValveArea).contains(kPurple);
            return {fedFrom(picture.pixel(kCheckInletLine) == Red, false), passes,
                    !passes && picture.pixel(kCheckCylinderLine) == Red && picture.pixel(kCheckInletLine) == Blue};
        }
        return {fedFrom(picture.pixel(kCircuitLeftLine) == Red, picture.pixel(kCircuitRightLine) == Red),
                picture.pixel(kCircuitOutletLine) == Red};
    };
    QList<int> pistons;
    for (int frame = 0; frame < circuitFrames; ++frame)
        pistons << firstInRow(committedFrame(pageName, circuit, frame), page == 0 ? kCheckPistonRow : kCircuitPistonRow,
                              kPistonGrey);

    for (int second = 0; second < 60; ++second) {
        const Moment &moment = story[second % 6];
        const int sectionFrame = second % sectionFrames;
        const int circuitFrame = second % circuitFrames;
        const QString where = QStringLiteral("%1 second %2: section frame %3, circuit frame %4")
                                  .arg(pageName).arg(second).arg(sectionFrame).arg(circuitFrame);
        const Reading inSection = sectionReading(sections[sectionFrame]);
        const Reading inCircuit = circuitReading(committedFrame(pageName, circuit, circuitFrame));
        QVERIFY2(inSection.fed == QLatin1String(moment.fed), qPrintable(where + ": air in the section"));
        QVERIFY2(inCircuit.fed == QLatin1String(moment.fed), qPrintable(where + ": buttons in the circuit"));
        QVERIFY2(inSection.passes == moment.passes, qPrintable(where + ": air passing in the section"));
        QVERIFY2(inCircuit.passes == moment.passes, qPrintable(where + ": air passing in the circuit"));
        QVERIFY2(inSection.held == moment.held, qPrintable(where + ": air held in the section"));
        QVERIFY2(inCircuit.held == moment.held, qPrintable(where + ": air held in the circuit"));
        const int moved = pistons[circuitFrame] - pistons[(second + 59) % 60 % circuitFrames];
        const Piston way = moved > 0 ? Piston::GoesOut : moved < 0 ? Piston::GoesIn : Piston::StandsStill;
        QVERIFY2(way == moment.piston, qPrintable(where + ": the piston"));
    }
}

QTEST_GUILESS_MAIN(TestLogicValveSections)
#include "test_logic_valve_sections.moc"
