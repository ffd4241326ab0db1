// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the committed circuit animations and symbols of the non-return, shuttle
// and two-pressure valve pages against what each frame must show: the colour code
// (purple for air passing the non-return valve, black for lines without air), the
// piston's strokes, the ball of the shuttle valve, and the parts that stay in place.
#include "PictureChecks.h"

#include <QImage>
#include <QSet>
#include <QtTest>

using namespace PictureChecks;

namespace {

constexpr QRgb kPurple = qRgb(198, 0, 198);
constexpr QRgb kPistonGrey = qRgb(132, 132, 132);

const QString kCheckPage = QStringLiteral("frmAntiretorn");
const QString kCheckCircuit = QStringLiteral("picCircuitAntiretorn");
const QString kShuttlePage = QStringLiteral("frmSelectora");
const QString kShuttleCircuit = QStringLiteral("picCircuitSelectora");
const QString kTwoPressurePage = QStringLiteral("frmSimultaneïtat");
const QString kTwoPressureCircuit = QStringLiteral("picCircuitSimultaneïtat");

// Where the non-return valve circuit places its parts.
constexpr QRect kCheckBarrel(80, 24, 108, 44);
constexpr int kCheckPistonRow = 30;               // inside the barrel, above the rod
constexpr QRect kCheckValveArea(76, 100, 21, 42); // the non-return valve symbol on its line
constexpr QPoint kBypassLine(172, 92);            // the bypass on its way down to the 2/2 valve
constexpr QPoint kCheckCylinderLine(86, 76);
constexpr QPoint kCheckInletLine(86, 160);        // from port A up to the non-return valve
constexpr int kBypassValveTopRow = 99;            // the top edge of the 2/2 valve
constexpr int kBypassSquareSide = 36;

// Where the shuttle and two-pressure valve circuits place theirs.
constexpr QRect kLogicBarrel(60, 36, 108, 44);
constexpr int kLogicPistonRow = 42;
constexpr QPoint kChamber(64, 45);                // the cap-side chamber, even with the piston in
constexpr QPoint kLeftInletLine(56, 150);
constexpr QPoint kRightInletLine(184, 150);
constexpr QPoint kOutletLine(120, 104);
constexpr QPoint kBallOnLeftSeat(95, 126);        // on the ring of the ball when it closes the left inlet
constexpr QPoint kBallOnRightSeat(144, 126);
constexpr QPoint kBallCrossing(114, 126);         // on the ring of the ball crossing the middle
constexpr int kPlateRow = 118;                    // crosses the two-pressure valve's plates and seat marks

// On the line from each pressure source up to its valve's P.
struct Supply {
    QString page, control;
    QList<QPoint> lines;
};
const Supply kSupplies[] = {
    {QStringLiteral("frmAntiretorn"), QStringLiteral("picCircuitAntiretorn"), {{86, 230}}},
    {QStringLiteral("frmSelectora"), QStringLiteral("picCircuitSelectora"), {{56, 225}, {184, 225}}},
    {QStringLiteral("frmSimultaneïtat"), QStringLiteral("picCircuitSimultaneïtat"), {{56, 225}, {184, 225}}},
};

QImage frameOf(const QString &page, const QString &control, int frame)
{
    return committedFrame(page, control, frame);
}

int pistonColumn(const QImage &picture, int row)
{
    return firstInRow(picture, row, kPistonGrey);
}

// Everything below the cylinder: the valves and the lines, which only change
// when a button or the air changes.
QImage belowCylinder(const QImage &picture, const QRect &barrel)
{
    return picture.copy(QRect(0, barrel.bottom() + 2, 280, 266 - barrel.bottom() - 2));
}

QString at(const QString &control, int frame)
{
    return QStringLiteral("%1 frame %2").arg(control).arg(frame);
}

} // namespace

class TestLogicValveCircuits final : public QObject {
    Q_OBJECT

private slots:
    void picturesAreDrawnAtTheirCatalogueSizes()
    {
        const QStringList controls = {kCheckCircuit, "imgSimbolAntiretorn", kShuttleCircuit, "imgSimbolSelectora",
                                      kTwoPressureCircuit, "imgSimbolSimultaneïtat"};
        int checked = 0;
        for (const PictureResource &resource : pictureResources()) {
            if (!controls.contains(resource.control))
                continue;
            QCOMPARE(committed(resource.name).size(), resource.size);
            ++checked;
        }
        QCOMPARE(checked, 3 * 6 + 3);
    }

    // The source is always on: the line up to each valve's P is red in every frame,
    // whether the valve lets it through or not.
    void supplyStaysPressurised()
    {
        for (const Supply &supply : kSupplies)
            for (int frame = 0; frame < 6; ++frame)
                for (const QPoint &line : supply.lines)
                    QVERIFY2(frameOf(supply.page, supply.control, frame).pixel(line) == Red,
                             qPrintable(at(supply.control, frame)));
    }

    // Air from port A passes the non-return valve (purple) up to the cylinder; air in
    // the cylinder cannot come back through it: with port A let out to exhaust and the
    // bypass closed, the line above the valve stays red, the valve black, the line below
    // it blue. Only the release valve, pressed, opens the bypass and lets the cylinder
    // empty; at rest it is closed.
    void nonReturnValveShowsWhereTheAirGoes()
    {
        const QImage releasing = frameOf(kCheckPage, kCheckCircuit, 0);
        int held = 0;
        for (int frame = 0; frame < 6; ++frame) {
            const QImage picture = frameOf(kCheckPage, kCheckCircuit, frame);
            const QString where = at(kCheckCircuit, frame);
            const QSet<QRgb> valve = coloursIn(picture, kCheckValveArea);
            const QRgb below = picture.pixel(kCheckInletLine);
            const QRgb above = picture.pixel(kCheckCylinderLine);
            const bool passing = valve.contains(kPurple);
            QVERIFY2(!passing || below == Red, qPrintable(where));
            QVERIFY2(passing != valve.contains(Black), qPrintable(where));
            // The 2/2 valve is open exactly when its square with the arrow stands in the bypass.
            const bool bypassOpen = firstInRow(picture, kBypassValveTopRow, Black) == firstInRow(releasing, kBypassValveTopRow, Black);
            if (bypassOpen) {
                QVERIFY2(above == below, qPrintable(where));
            } else if (!passing && below == Blue) {
                ++held;
                QVERIFY2(above == Red, qPrintable(where));
                QCOMPARE(picture.pixel(kBypassLine), Red);
            } else if (!passing) {
                // The flow has stopped: the same pressure on both sides of the seated ball.
                QVERIFY2(above == Red && below == Red, qPrintable(where));
            }
            QVERIFY2(picture.pixel(kBypassLine) == above, qPrintable(where));
        }
        QVERIFY(held >= 2);
        QCOMPARE(releasing.pixel(kCheckCylinderLine), Blue);
        // Pressed, the release valve's open square has moved in from the button's side.
        QCOMPARE(firstInRow(frameOf(kCheckPage, kCheckCircuit, 1), kBypassValveTopRow, Black) -
                     firstInRow(releasing, kBypassValveTopRow, Black),
                 kBypassSquareSide);
    }

    // The piston goes out while air passes the non-return valve (finishing its travel
    // in the second the flow stops), stands still while the valve holds the cylinder's
    // air, and goes back only with the bypass open.
    void nonReturnValveCircuitPistonFollowsTheAir()
    {
        const auto passing = [](int frame) {
            return coloursIn(frameOf(kCheckPage, kCheckCircuit, frame), kCheckValveArea).contains(kPurple);
        };
        for (int frame = 0; frame < 6; ++frame) {
            const QImage picture = frameOf(kCheckPage, kCheckCircuit, frame);
            const int before = (frame + 5) % 6;
            const int moved = pistonColumn(picture, kCheckPistonRow) -
                              pistonColumn(frameOf(kCheckPage, kCheckCircuit, before), kCheckPistonRow);
            const bool emptying = picture.pixel(kCheckCylinderLine) == Blue;
            QVERIFY2((moved > 0) == (passing(frame) || passing(before)), qPrintable(at(kCheckCircuit, frame)));
            QVERIFY2((moved < 0) == emptying, qPrintable(at(kCheckCircuit, frame)));
        }
    }

    void shuttleValveFollowsTheButtonLastPressed()
    {
        struct Expected {
            QRgb left, right, outlet;
            QPoint ball;
        };
        // Pressed, the button's air first drives the ball across the middle, as in
        // the section at the same second, then over to the other seat and fills the
        // cylinder.
        const Expected expected[] = {
            {Black, Blue, Blue, kBallOnLeftSeat},
            {Red, Black, Blue, kBallCrossing},
            {Red, Black, Red, kBallOnRightSeat},
            {Blue, Black, Blue, kBallOnRightSeat},
            {Black, Red, Blue, kBallCrossing},
            {Black, Red, Red, kBallOnLeftSeat},
        };
        for (int frame = 0; frame < 6; ++frame) {
            const QImage picture = frameOf(kShuttlePage, kShuttleCircuit, frame);
            const Expected &e = expected[frame];
            const QString where = at(kShuttleCircuit, frame);
            QVERIFY2(picture.pixel(kLeftInletLine) == e.left, qPrintable(where));
            QVERIFY2(picture.pixel(kRightInletLine) == e.right, qPrintable(where));
            QVERIFY2(picture.pixel(kOutletLine) == e.outlet, qPrintable(where));
            QVERIFY2(picture.pixel(kChamber) == e.outlet, qPrintable(where));
            QVERIFY2(picture.pixel(e.ball) == Black, qPrintable(where));
            if (e.ball == kBallCrossing) {
                // Both seats open: the pushing air up to the ball, the outlet's beyond it.
                QVERIFY2(picture.pixel(kBallOnLeftSeat) == (e.left == Red ? Red : e.outlet), qPrintable(where));
                QVERIFY2(picture.pixel(kBallOnRightSeat) == (e.right == Red ? Red : e.outlet), qPrintable(where));
            } else {
                const QPoint openSeat = e.ball == kBallOnLeftSeat ? kBallOnRightSeat : kBallOnLeftSeat;
                QVERIFY2(picture.pixel(openSeat) == e.outlet, qPrintable(where));
                QVERIFY2(picture.pixel(kBallCrossing) != Black, qPrintable(where));
            }
        }
    }

    void twoPressureValveNeedsBothButtons()
    {
        // A released button's line is blue while it empties: the right one just
        // after release, the left one while the cylinder returns through it.
        const QRgb expectedLeft[] = {Black, Red, Red, Red, Blue, Blue};
        const QRgb expectedRight[] = {Blue, Black, Black, Red, Red, Red};
        const QString piston = QStringLiteral("===+--");  // against the frame before
        QList<int> columns;
        for (int frame = 0; frame < 6; ++frame)
            columns << pistonColumn(frameOf(kTwoPressurePage, kTwoPressureCircuit, frame), kLogicPistonRow);
        for (int frame = 0; frame < 6; ++frame) {
            const QImage picture = frameOf(kTwoPressurePage, kTwoPressureCircuit, frame);
            const QString where = at(kTwoPressureCircuit, frame);
            const bool both = frame == 3;
            QVERIFY2(picture.pixel(kLeftInletLine) == expectedLeft[frame], qPrintable(where));
            QVERIFY2(picture.pixel(kRightInletLine) == expectedRight[frame], qPrintable(where));
            QVERIFY2(picture.pixel(kOutletLine) == (both ? Red : Blue), qPrintable(where));
            QVERIFY2(picture.pixel(kChamber) == (both ? Red : Blue), qPrintable(where));
            const int moved = columns[frame] - columns[(frame + 5) % 6];
            QVERIFY2((moved > 0 ? u'+' : moved < 0 ? u'-' : u'=') == piston[frame], qPrintable(where));
        }

        // The plates and seat marks inside the valve: the left inlet alone pushes the
        // shuttle over; with the right one fed as well the pressures on the plates
        // balance and it stays over, so the right inlet's air passes.
        const auto marks = [&](int frame) {
            const QImage picture = frameOf(kTwoPressurePage, kTwoPressureCircuit, frame);
            QList<int> columns;
            for (int x = 88; x <= 152; ++x)
                if (picture.pixel(x, kPlateRow) == Black)
                    columns << x;
            return columns;
        };
        QVERIFY(marks(2) != marks(0));
        QCOMPARE(marks(3), marks(2));
    }

    // Wherever the cylinder returns, its air leaves through an inlet line shown
    // blue down to the released valve.
    void returningCylinderEmptiesThroughABlueLine()
    {
        for (const QString &control : {kShuttleCircuit, kTwoPressureCircuit}) {
            const QString page = control == kShuttleCircuit ? kShuttlePage : kTwoPressurePage;
            for (int frame = 0; frame < 6; ++frame) {
                const QImage before = frameOf(page, control, (frame + 5) % 6);
                const QImage now = frameOf(page, control, frame);
                if (before.pixel(kChamber) != Red || now.pixel(kChamber) != Blue)
                    continue;
                const QString where = at(control, frame);
                QVERIFY2(now.pixel(kOutletLine) == Blue, qPrintable(where));
                QVERIFY2(now.pixel(kLeftInletLine) == Blue || now.pixel(kRightInletLine) == Blue, qPrintable(where));
            }
        }
    }

    // Each button drives the piston out once the ball has gone over; released, the
    // cylinder springs back in.
    void shuttleCircuitPistonGoesOutTwiceAndBackBetween()
    {
        int columns[6];
        for (int frame = 0; frame < 6; ++frame)
            columns[frame] = pistonColumn(frameOf(kShuttlePage, kShuttleCircuit, frame), kLogicPistonRow);
        for (int frame : {1, 3, 4})
            QCOMPARE(columns[frame], columns[0]);
        QVERIFY(columns[2] > columns[0]);
        QCOMPARE(columns[5], columns[2]);
    }

    void staticPartsStayInPlace()
    {
        struct Circuit {
            QString page, control;
            QRect barrel;
            QList<QList<int>> sameBelowCylinder;  // frames whose valves and lines are alike
        };
        const Circuit circuits[] = {
            {kCheckPage, kCheckCircuit, kCheckBarrel, {{1, 2}}},
            {kShuttlePage, kShuttleCircuit, kLogicBarrel, {}},
            {kTwoPressurePage, kTwoPressureCircuit, kLogicBarrel, {}},
        };
        for (const Circuit &circuit : circuits) {
            for (int frame = 0; frame < 6; ++frame) {
                const QImage picture = frameOf(circuit.page, circuit.control, frame);
                const QString where = at(circuit.control, frame);
                QVERIFY2(picture.pixel(circuit.barrel.topLeft()) == Black, qPrintable(where));
                QVERIFY2(picture.pixel(circuit.barrel.bottomRight()) == Black, qPrintable(where));
                QVERIFY2(picture.pixel(circuit.barrel.topLeft() - QPoint(1, 1)) == White, qPrintable(where));
            }
            for (const QList<int> &group : circuit.sameBelowCylinder) {
                const QImage first = belowCylinder(frameOf(circuit.page, circuit.control, group.first()), circuit.barrel);
                for (int frame : group)
                    QVERIFY2(belowCylinder(frameOf(circuit.page, circuit.control, frame), circuit.barrel) == first,
                             qPrintable(at(circuit.control, frame)));
            }
        }
    }

    void symbolsAreBlackOnWhite()
    {
        for (const char *name : {"frmAntiretorn/imgSimbolAntiretorn.gif", "frmSelectora/imgSimbolSelectora.gif",
                                 "frmSimultaneïtat/imgSimbolSimultaneïtat.gif"}) {
            const QImage symbol = committed(QString::fromUtf8(name));
            QCOMPARE(coloursIn(symbol, symbol.rect()), (QSet<QRgb>{Black, White}));
        }
    }
};

QTEST_GUILESS_MAIN(TestLogicValveCircuits)
#include "test_logic_valve_circuits.moc"
