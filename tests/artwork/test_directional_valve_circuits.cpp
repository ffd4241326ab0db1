// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the committed circuit animations and symbols of the directional valve
// pages against what each frame must show: the colour code, the piston moving
// out, the rod running past the box, the valve switching, and the parts that
// stay in place.
#include "PageRegistry.h"
#include "PictureChecks.h"

#include <QImage>
#include <QSet>
#include <QtTest>

using namespace PictureChecks;

namespace {

constexpr QRgb kPistonGrey = qRgb(132, 132, 132);
constexpr int kBoxWidth = 257;

// Where the circuit pictures place their parts.
constexpr int kPistonRow = 51;            // inside the barrel, above the rod
constexpr int kRodRow = 67;
constexpr QPoint kBarrelTopLeft(60, 46);
constexpr QPoint kBarrelBottomRight(167, 89);
constexpr QPoint kLineA(109, 140);        // the line entering port A of the valve
constexpr QPoint kLineB(139, 140);
constexpr QPoint kCylinderLineA(65, 105); // the same lines leaving the cylinder
constexpr QPoint kCylinderLineB(163, 105);
constexpr QRect kSquareAtPorts(96, 154, 56, 56);
constexpr int kValveTopRow = 156;         // crosses the valve envelope above the spring
constexpr int kSquareSide = 60;

// Per frame: p the button pressed, r at rest; the piston against the frame before
// (the last frame before the first): + out, - in, = still; x the rod tip cut by
// the box. The 3/2 circuit moves out over four seconds and springs back; the 4/2
// and 5/2 circuits move out while pressed and back in once released. `supply` is
// a point on the line from the pressure source up to P.
struct Circuit {
    const char *page;
    const char *control;
    int frames;
    const char *button;
    const char *piston;
    const char *rodCut;
    bool doubleActing;
    QPoint supply;
};

const Circuit kCircuits[] = {
    {"frmValvula32", "picCircuit32", 5, "rpppp", "-++++", "....x", false, {109, 220}},
    {"frmValvula42", "picCircuit42", 6, "rppprr", "-+++--", "...x..", true, {139, 220}},
    {"frmValvula52", "picCircuit52", 6, "rppprr", "-+++--", "...x..", true, {124, 220}},
};

// The left edge, in pixels, of the box the page shows this frame in.
int boxLeft(const Circuit &circuit, int frame)
{
    const PageContent page = findRegistryEntry(QString::fromUtf8(circuit.page))->content();
    for (const ControlRecord &record : page.description.controls)
        if (const auto *box = std::get_if<PictureBoxRecord>(&record))
            if (box->name == QString::fromUtf8(circuit.control) && box->index == frame)
                return box->rect.left / 15;
    qFatal("no frame %d of %s", frame, circuit.control);
}

// Where the top-left corner of the cylinder's barrel, the first thing drawn from
// the top, lies in the picture.
QPoint barrelCorner(const QImage &picture)
{
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != White)
                return {x, y};
    return {-1, -1};
}

} // namespace

class TestDirectionalValveCircuits final : public QObject {
    Q_OBJECT

private slots:
    void picturesHaveTheirCatalogueSizes()
    {
        const QStringList controls = {"picCircuit32", "Image1", "picCircuit42", "imgSimbol4_2", "picCircuit52",
                                      "imgSimbol5_2"};
        int checked = 0;
        for (const PictureResource &resource : pictureResources()) {
            if (!resource.page.startsWith(QLatin1String("frmValvula")) || !controls.contains(resource.control))
                continue;
            QCOMPARE(committed(resource.name).size(), resource.size);
            ++checked;
        }
        QCOMPARE(checked, 5 + 6 + 6 + 3);
    }

    // The supply is always on: the line from the pressure source is under
    // pressure up to P in every frame, whether the valve lets it through or not.
    void restFrameExhaustsAndPressedFramesDrive()
    {
        for (const Circuit &circuit : kCircuits) {
            for (int frame = 0; frame < circuit.frames; ++frame) {
                const QImage picture = committedFrame(circuit.page, circuit.control, frame);
                const QString where = QStringLiteral("%1 frame %2").arg(circuit.control).arg(frame);
                const QPoint shift(boxLeft(circuit, frame) - boxLeft(circuit, 0), 0);
                const bool pressed = circuit.button[frame] == 'p';
                const QRgb capSide = pressed ? Red : Blue;
                const QRgb rodSide = pressed ? Blue : Red;
                QVERIFY2(picture.pixel(circuit.supply - shift) == Red, qPrintable(where + ": the supply"));
                QVERIFY2(picture.pixel(kLineA - shift) == capSide, qPrintable(where));
                QVERIFY2(picture.pixel(kCylinderLineA - shift) == capSide, qPrintable(where));
                if (circuit.doubleActing) {
                    QVERIFY2(picture.pixel(kLineB - shift) == rodSide, qPrintable(where));
                    QVERIFY2(picture.pixel(kCylinderLineB - shift) == rodSide, qPrintable(where));
                    // Both connections of the square at the ports carry air.
                    const QSet<QRgb> arrows = coloursIn(picture, kSquareAtPorts.translated(-shift));
                    QVERIFY2(arrows.contains(Red) && arrows.contains(Blue), qPrintable(where));
                } else if (pressed) {
                    // Pressed, the 3/2 valve closes its exhaust: nothing is exhausted.
                    QVERIFY2(!coloursIn(picture, picture.rect()).contains(Blue), qPrintable(where));
                }
            }
        }
    }

    void pistonMovesWithTheValveAndRodLeavesTheBox()
    {
        for (const Circuit &circuit : kCircuits) {
            QList<int> pistons;
            for (int frame = 0; frame < circuit.frames; ++frame) {
                const QImage picture = committedFrame(circuit.page, circuit.control, frame);
                const QString where = QStringLiteral("%1 frame %2").arg(circuit.control).arg(frame);
                const int shift = boxLeft(circuit, frame) - boxLeft(circuit, 0);
                pistons << firstInRow(picture, kPistonRow, kPistonGrey) + shift;
                const int rodEnd = lastInRow(picture, kRodRow, kPistonGrey);
                QVERIFY2((rodEnd >= kBoxWidth) == (circuit.rodCut[frame] == 'x'), qPrintable(where));
            }
            for (int frame = 0; frame < circuit.frames; ++frame) {
                const int moved = pistons[frame] - pistons[(frame + circuit.frames - 1) % circuit.frames];
                const char way = moved > 0 ? '+' : moved < 0 ? '-' : '=';
                QVERIFY2(way == circuit.piston[frame], qPrintable(QStringLiteral("%1 frame %2").arg(circuit.control).arg(frame)));
            }
        }
    }

    void pressingShiftsTheValveByOneSquare()
    {
        for (const Circuit &circuit : kCircuits) {
            const QImage rest = committedFrame(circuit.page, circuit.control, 0);
            const QImage pressed = committedFrame(circuit.page, circuit.control, 1);
            QCOMPARE(firstInRow(rest, kValveTopRow, Black) - firstInRow(pressed, kValveTopRow, Black), kSquareSide);
        }
    }

    // Whichever box a frame stands in (the last two of the 5/2 circuit stand 8
    // pixels right of the others), the circuit is drawn at the same place on the
    // page, so it does not jump while the animation runs: the barrel stays put, and
    // below it the valve and its lines look the same in every frame where the
    // button is as in frame 0 (at rest) or frame 1 (pressed).
    void circuitStaysInPlaceOnThePage()
    {
        const QRect belowBarrel(QPoint(8, kBarrelBottomRight.y() + 2), QPoint(kBoxWidth - 1, 260));
        for (const Circuit &circuit : kCircuits) {
            const QImage atRest = committedFrame(circuit.page, circuit.control, 0);
            const QImage firstPressed = committedFrame(circuit.page, circuit.control, 1);
            for (int frame = 0; frame < circuit.frames; ++frame) {
                const QImage picture = committedFrame(circuit.page, circuit.control, frame);
                const QString where = QStringLiteral("%1 frame %2").arg(circuit.control).arg(frame);
                const QPoint shift(boxLeft(circuit, frame) - boxLeft(circuit, 0), 0);
                QVERIFY2(barrelCorner(picture) + shift == kBarrelTopLeft, qPrintable(where));
                QVERIFY2(picture.pixel(kBarrelBottomRight - shift) == Black, qPrintable(where));
                const QImage &alike = circuit.button[frame] == 'p' ? firstPressed : atRest;
                QVERIFY2(picture.copy(belowBarrel.translated(-shift)) == alike.copy(belowBarrel), qPrintable(where));
            }
        }
    }

    void symbolsAreBlackOnWhite()
    {
        for (const char *name : {"frmValvula32/Image1.gif", "frmValvula42/imgSimbol4_2.gif",
                                 "frmValvula52/imgSimbol5_2.gif"}) {
            const QImage symbol = committed(QString::fromUtf8(name));
            QCOMPARE(coloursIn(symbol, symbol.rect()), (QSet<QRgb>{Black, White}));
        }
    }
};

QTEST_GUILESS_MAIN(TestDirectionalValveCircuits)
#include "test_directional_valve_circuits.moc"
