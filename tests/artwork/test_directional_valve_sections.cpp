// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the committed section animations of the 3/2, 4/2 and 5/2 valves against
// what each frame must show: where there is air under pressure or exhaust air, the
// body standing still while the spool and push button travel left, and which
// lettered ports the air joins at rest and pressed, the same as in the circuit.
#include "Canvas.h"
#include "DrawingBasics.h"
#include "PageRegistry.h"
#include "PictureChecks.h"

#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QtTest>

using namespace PictureChecks;

namespace {

constexpr QRgb kBodyGrey = qRgb(198, 198, 198);
constexpr QRgb kPartGrey = qRgb(99, 99, 99);

enum class Side { Top, Bottom };

struct Section {
    const char *page;
    const char *control;
    QRect body;
    int axisRow;   // the row through the middle of the bore, the spool and the push rod
};

const Section kSections[] = {
    {"frmValvula32", "picVàlvula32", QRect(QPoint(70, 70), QPoint(330, 190)), 130},
    {"frmValvula42", "picVàlvula42", QRect(QPoint(54, 62), QPoint(356, 192)), 140},
    {"frmValvula52", "picVàlvula52", QRect(QPoint(41, 51), QPoint(379, 174)), 113},
};

QImage frameOf(const Section &section, int frame)
{
    const QString name = framePictureName(QString::fromUtf8(section.page), QString::fromUtf8(section.control), frame);
    return committed(name);
}

QList<QImage> framesOf(const Section &section)
{
    QList<QImage> frames;
    for (int frame = 0; frame < 6; ++frame)
        frames << frameOf(section, frame);
    return frames;
}

// The colour of the air in a port's passage, a few pixels inside the body's edge.
QRgb portAir(const Section &section, const QImage &picture, int portX, Side side)
{
    const int y = side == Side::Top ? section.body.top() + 8 : section.body.bottom() - 8;
    return picture.pixel(portX, y);
}

// The black pixels of a bold port letter as the pictures draw it, with a ring of
// one pixel around them that must not be black.
struct Glyph {
    QImage mask;  // black on white, the letter's bounding box grown by one pixel
};

Glyph glyphOf(const QString &letter, int pixelSize = 16)
{
    QImage canvas = blankPicture(QSize(60, 60));
    {
        PicturePainter p(&canvas);
        drawLetter(p, QPoint(30, 30), letter, pixelSize);
    }
    canvas = canvas.convertToFormat(QImage::Format_RGB32);
    QRect box;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (canvas.pixel(x, y) == Black)
                box |= QRect(x, y, 1, 1);
    return {canvas.copy(box.adjusted(-1, -1, 1, 1))};
}

// The centres of every place where `glyph` is drawn in `picture`.
QList<QPoint> findGlyph(const QImage &picture, const Glyph &glyph)
{
    QList<QPoint> found;
    const QImage &m = glyph.mask;
    for (int top = 0; top + m.height() <= picture.height(); ++top) {
        for (int left = 0; left + m.width() <= picture.width(); ++left) {
            bool same = true;
            for (int y = 0; y < m.height() && same; ++y)
                for (int x = 0; x < m.width() && same; ++x)
                    same = (m.pixel(x, y) == Black) == (picture.pixel(left + x, top + y) == Black);
            if (same)
                found << QPoint(left + m.width() / 2, top + m.height() / 2);
        }
    }
    return found;
}

struct PortAxis {
    int x;
    Side side;
};

// The air in each lettered port: every letter drawn in the picture belongs to the
// nearest port on its side of the body.
QHash<QString, QRgb> airByLetter(const Section &section, const QImage &picture, const QList<PortAxis> &ports)
{
    QHash<QString, QRgb> air;
    for (const QString letter : {"A", "B", "P", "R", "T"}) {
        for (const QPoint centre : findGlyph(picture, glyphOf(letter))) {
            const Side side = centre.y() < section.body.top() ? Side::Top : Side::Bottom;
            const PortAxis *nearest = nullptr;
            for (const PortAxis &port : ports)
                if (port.side == side && (!nearest || qAbs(port.x - centre.x()) < qAbs(nearest->x - centre.x())))
                    nearest = &port;
            if (nearest && !air.contains(letter))
                air.insert(letter, portAir(section, picture, nearest->x, side));
        }
    }
    return air;
}

// The circuit on the same page (frames 0 and 1, in the same box): the lines into
// ports A and B of the valve and the exhaust stubs under it (T at the left, R at
// the right on the 5/2 valve).
constexpr QPoint kCircuitLineA(109, 140);
constexpr QPoint kCircuitLineB(139, 140);
constexpr QPoint kCircuitExhaustT(109, 215);
constexpr QPoint kCircuitExhaustR(139, 215);
constexpr int kCircuitValveTopRow = 156;   // crosses the valve above its spring
constexpr int kCircuitPistonRow = 51;      // inside the barrel, above the rod
constexpr QRgb kPistonGrey = qRgb(132, 132, 132);

QImage circuitFrame(const char *page, const char *control, int frame)
{
    return committedFrame(QString::fromUtf8(page), QString::fromUtf8(control), frame);
}


// ---- Section and circuit at the same second ------------------------------------

// What the valve in section shows: at rest (P to B, A exhausted, the button out)
// or pushed in (P to A, B exhausted).
enum class Spool { AtRest, In, Unclear };

enum class Piston { GoesIn, GoesOut };

// One second of a press and release, as a pneumatics teacher tells it: the button
// pressed and held for three seconds, released for three. The valve changes over
// at once; the piston takes the three seconds to make its stroke.
struct Moment {
    Spool spool;
    bool pressed;   // the button of the valve in the circuit
    Piston piston;  // since the second before
};

constexpr Moment kPressAndRelease[6] = {
    {Spool::AtRest, false, Piston::GoesIn},
    {Spool::In, true, Piston::GoesOut},
    {Spool::In, true, Piston::GoesOut},
    {Spool::In, true, Piston::GoesOut},
    {Spool::AtRest, false, Piston::GoesIn},
    {Spool::AtRest, false, Piston::GoesIn},
};

// Whether the section draws a flow arrow at any port: arrows stand just outside
// the body's top or bottom edge, letters further out.
bool showsFlow(const Section &section, const QImage &picture)
{
    const QRect &body = section.body;
    for (const int y : {body.top() - 6, body.top() - 3, body.bottom() + 3, body.bottom() + 6})
        for (int x = body.left(); x <= body.right(); ++x)
            if (picture.pixel(x, y) == Black)
                return true;
    return false;
}

// A channel steps to the second of the minute modulo its frame count.
int framesIn(const char *page, const char *control)
{
    for (const PictureArray &array : pictureArrays())
        if (array.page == QString::fromUtf8(page) && array.control == QString::fromUtf8(control))
            return array.frames;
    qFatal("no frame array %s", control);
}

// The left edge, in pixels, of the box the page shows this frame in.
int boxLeft(const char *page, const char *control, int frame)
{
    const PageContent content = findRegistryEntry(QString::fromUtf8(page))->content();
    for (const ControlRecord &record : content.description.controls)
        if (const auto *box = std::get_if<PictureBoxRecord>(&record))
            if (box->name == QString::fromUtf8(control) && box->index == frame)
                return box->rect.left / 15;
    qFatal("no frame %d of %s", frame, control);
}

} // namespace

class TestDirectionalValveSections final : public QObject {
    Q_OBJECT

private slots:
    void picturesHaveTheirCatalogueSizes();
    void redAndBlueAppearWhereAirIsDescribed_data();
    void redAndBlueAppearWhereAirIsDescribed();
    void bodyStaysInPlace();
    void flowArrowsComeInPairs();
    void spoolAndButtonTravelTogether();
    void portsChangeOverWhenSwitched();
    void lettersJoinAsInTheCircuit();
    void sectionAndCircuitAgreeEverySecond_data();
    void sectionAndCircuitAgreeEverySecond();
};

void TestDirectionalValveSections::picturesHaveTheirCatalogueSizes()
{
    int checked = 0;
    for (const PictureResource &resource : pictureResources()) {
        if (!resource.control.startsWith(u"picVàlvula") || !resource.page.startsWith(u"frmValvula"))
            continue;
        const QImage picture(QStringLiteral(VENTIRO_SOURCE_DIR "/resources/pictures/") + resource.name);
        QVERIFY2(!picture.isNull(), qPrintable(resource.name));
        QCOMPARE(picture.size(), resource.size);
        ++checked;
    }
    QCOMPARE(checked, 18);
}

void TestDirectionalValveSections::redAndBlueAppearWhereAirIsDescribed_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<QString>("red");   // one letter per frame: y = has red, n = has none
    QTest::addColumn<QString>("blue");
    // 3/2: exhaust until the waist reaches P, then pressure only; P holds the
    // supply's pressure throughout.
    QTest::newRow("3/2") << 0 << "yyyyyy" << "yyyynn";
    // 4/2: the spring chamber and its passage hold exhaust air in every frame.
    QTest::newRow("4/2") << 1 << "yyyyyy" << "yyyyyy";
    // 5/2: one side of the cylinder or the other is always exhausting.
    QTest::newRow("5/2") << 2 << "yyyyyy" << "yyyyyy";
}

void TestDirectionalValveSections::redAndBlueAppearWhereAirIsDescribed()
{
    QFETCH(int, section);
    QFETCH(QString, red);
    QFETCH(QString, blue);
    const QList<QImage> frames = framesOf(kSections[section]);
    for (int frame = 0; frame < 6; ++frame) {
        QVERIFY2(contains(frames[frame], Red) == (red[frame] == u'y'), qPrintable(QString("red, frame %1").arg(frame)));
        QVERIFY2(contains(frames[frame], Blue) == (blue[frame] == u'y'), qPrintable(QString("blue, frame %1").arg(frame)));
    }
}

// Air that flows passes through the valve from one port to another: a frame shows
// flow arrows at no port or at two or more, never at a single one.
void TestDirectionalValveSections::flowArrowsComeInPairs()
{
    for (const Section &section : kSections) {
        const QList<QImage> frames = framesOf(section);
        for (int frame = 0; frame < 6; ++frame) {
            int arrows = 0;
            for (const int edge : {section.body.top() - 1, section.body.bottom() + 1}) {
                const int outwards = edge < section.body.top() ? -1 : 1;
                int lastColumn = -100;
                for (int x = section.body.left(); x <= section.body.right(); ++x) {
                    bool black = false;
                    for (int step = 2; step <= 5; ++step)
                        black = black || frames[frame].pixel(x, edge + outwards * step) == Black;
                    if (black) {
                        arrows += x - lastColumn > 4;
                        lastColumn = x;
                    }
                }
            }
            QVERIFY2(arrows != 1, qPrintable(QStringLiteral("%1 frame %2").arg(QString::fromUtf8(section.control)).arg(frame)));
        }
    }
}

// Every light grey pixel is body, and the body is the same in all six frames,
// whatever the size of the picture.
void TestDirectionalValveSections::bodyStaysInPlace()
{
    for (const Section &section : kSections) {
        const QList<QImage> frames = framesOf(section);
        const QRect &body = section.body;
        QCOMPARE(frames[0].pixel(body.topLeft()), Black);
        QCOMPARE(frames[0].pixel(body.topLeft() + QPoint(2, 2)), kBodyGrey);
        QCOMPARE(frames[0].pixel(body.topLeft() - QPoint(1, 1)), White);
        for (int frame = 1; frame < 6; ++frame) {
            for (int y = body.top(); y <= body.bottom(); ++y) {
                for (int x = body.left(); x <= body.right(); ++x) {
                    const bool grey0 = frames[0].pixel(x, y) == kBodyGrey;
                    if (grey0 != (frames[frame].pixel(x, y) == kBodyGrey))
                        QFAIL(qPrintable(QString("%1 frame %2: body differs at %3, %4")
                                             .arg(section.control).arg(frame).arg(x).arg(y)));
                }
            }
            QCOMPARE(frames[frame].pixel(body.bottomRight()), Black);
        }
    }
}

// The left face of the spool (where the spring ends) and the push button's far
// end move together: the spring shortens as the button goes in. The 3/2 valve goes
// in from frame to frame; the 4/2 and 5/2 valves go in at once, stay in, and come
// back out at once.
void TestDirectionalValveSections::spoolAndButtonTravelTogether()
{
    const char *ways[] = {"+++++", "+==-=", "+==-="};  // frames 1 to 5 against the frame before
    for (int v = 0; v < 3; ++v) {
        const Section &section = kSections[v];
        const QList<QImage> frames = framesOf(section);
        int spool = 0;
        int button = 0;
        for (int frame = 0; frame < 6; ++frame) {
            const QString where = QStringLiteral("%1 frame %2").arg(section.control).arg(frame);
            const int spoolNow = firstInRow(frames[frame], section.axisRow, kPartGrey);
            const int buttonNow = lastInRow(frames[frame], section.axisRow, kPartGrey);
            QVERIFY2(spoolNow > section.body.left() && buttonNow > section.body.right(), qPrintable(where));
            if (frame > 0) {
                QVERIFY2(spool - spoolNow == button - buttonNow, qPrintable(where));
                const char way = ways[v][frame - 1];
                QVERIFY2(way == '+' ? spoolNow < spool : way == '-' ? spoolNow > spool : spoolNow == spool,
                         qPrintable(where));
            }
            spool = spoolNow;
            button = buttonNow;
        }
    }
}

// The ports that change over: which hold air under pressure at rest and which
// once the button is fully in.
void TestDirectionalValveSections::portsChangeOverWhenSwitched()
{
    const Section &v32 = kSections[0];
    const QList<QImage> f32 = framesOf(v32);
    QCOMPARE(portAir(v32, f32[0], 210, Side::Top), Blue);       // A to R
    QCOMPARE(portAir(v32, f32[0], 176, Side::Bottom), Red);     // P closed, under pressure
    QCOMPARE(portAir(v32, f32[5], 210, Side::Top), Red);        // P to A
    QCOMPARE(portAir(v32, f32[5], 244, Side::Bottom), White);   // R closed

    // 4/2 (T, A, P, B along the bottom) and 5/2 (P the middle one below): the
    // supply is always on, whatever the spool does; the 4/2 valve's T and the
    // passages to it always hold exhaust air. Which of A and B is fed each second
    // is checked against the circuit below.
    const Section &v42 = kSections[1];
    const Section &v52 = kSections[2];
    const QList<QImage> f42 = framesOf(v42);
    const QList<QImage> f52 = framesOf(v52);
    for (int frame = 0; frame < 6; ++frame) {
        QCOMPARE(portAir(v42, f42[frame], 215, Side::Bottom), Red);
        QCOMPARE(portAir(v42, f42[frame], 85, Side::Bottom), Blue);
        QCOMPARE(portAir(v52, f52[frame], 260, Side::Bottom), Red);
    }
}

// The letters drawn at the ports of the section join up as the circuit on the same
// page shows them: at rest P feeds B and A empties (through T on the 5/2 valve,
// whose R is closed); pressed, P feeds A and B empties (through R, T closed). And
// they stand in the circuit's order: any two letters the circuit draws along the
// same edge of its valve lie left to right in the same order in the section.
void TestDirectionalValveSections::lettersJoinAsInTheCircuit()
{
    struct Page {
        int section;
        const char *circuit;
        QList<PortAxis> ports;
    };
    const Page pages[] = {
        {1, "picCircuit42", {{85, Side::Bottom}, {150, Side::Bottom}, {215, Side::Bottom}, {275, Side::Bottom}}},
        {2, "picCircuit52", {{212, Side::Top}, {308, Side::Top}, {164, Side::Bottom}, {260, Side::Bottom},
                             {356, Side::Bottom}}},
    };
    for (const Page &page : pages) {
        const Section &section = kSections[page.section];
        const bool fiveWay = page.section == 2;
        const QImage restingCircuit = circuitFrame(section.page, page.circuit, 0);
        const QImage restingSection = frameOf(section, 0);
        const QStringList names = {"A", "B", "P", "R", "T"};
        int pairs = 0;
        for (const QString &first : names) {
            for (const QString &second : names) {
                const QList<QPoint> inCircuit[] = {findGlyph(restingCircuit, glyphOf(first, 14)),
                                                   findGlyph(restingCircuit, glyphOf(second, 14))};
                const QList<QPoint> inSection[] = {findGlyph(restingSection, glyphOf(first)),
                                                   findGlyph(restingSection, glyphOf(second))};
                if (first >= second || inCircuit[0].size() != 1 || inCircuit[1].size() != 1
                    || inSection[0].size() != 1 || inSection[1].size() != 1
                    || (inCircuit[0][0].y() < kCircuitValveTopRow) != (inCircuit[1][0].y() < kCircuitValveTopRow))
                    continue;
                QVERIFY2((inCircuit[0][0].x() < inCircuit[1][0].x()) == (inSection[0][0].x() < inSection[1][0].x()),
                         qPrintable(QStringLiteral("%1: %2 and %3 in another order than in the circuit")
                                        .arg(section.control, first, second)));
                ++pairs;
            }
        }
        QCOMPARE(pairs, fiveWay ? 4 : 2);   // A, B on top; T, P (and R) below
        for (const bool pressed : {false, true}) {
            const QString where = QStringLiteral("%1 %2").arg(section.control, pressed ? "pressed" : "at rest");
            const QHash<QString, QRgb> air = airByLetter(section, frameOf(section, pressed ? 3 : 0), page.ports);
            const QSet<QString> letters = fiveWay ? QSet<QString>{"A", "B", "P", "R", "T"}
                                                  : QSet<QString>{"A", "B", "P", "T"};
            QCOMPARE(QSet<QString>(air.keyBegin(), air.keyEnd()), letters);
            QVERIFY2(air["P"] == Red, qPrintable(where));
            QVERIFY2(air[pressed ? "A" : "B"] == Red, qPrintable(where));
            QVERIFY2(air[pressed ? "B" : "A"] == Blue, qPrintable(where));

            const QImage circuit = circuitFrame(section.page, page.circuit, pressed ? 3 : 0);
            QVERIFY2(circuit.pixel(kCircuitLineA) == air["A"], qPrintable(where + ": line A"));
            QVERIFY2(circuit.pixel(kCircuitLineB) == air["B"], qPrintable(where + ": line B"));
            if (fiveWay) {
                const QString open = pressed ? "R" : "T";
                const QString closed = pressed ? "T" : "R";
                QVERIFY2(air[open] == Blue && air[closed] == White, qPrintable(where));
                QVERIFY2(circuit.pixel(pressed ? kCircuitExhaustR : kCircuitExhaustT) == Blue, qPrintable(where));
                QVERIFY2(circuit.pixel(pressed ? kCircuitExhaustT : kCircuitExhaustR) != Blue, qPrintable(where));
            } else {
                QVERIFY2(air["T"] == Blue, qPrintable(where));
            }
        }
    }
}

void TestDirectionalValveSections::sectionAndCircuitAgreeEverySecond_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<QString>("circuit");
    QTest::addColumn<QPoint>("portA");   // x of the section's port A, and 0 below or 1 on top
    QTest::addColumn<QPoint>("portB");
    QTest::newRow("4/2") << 1 << "picCircuit42" << QPoint(150, 0) << QPoint(275, 0);
    QTest::newRow("5/2") << 2 << "picCircuit52" << QPoint(212, 1) << QPoint(308, 1);
}

// With both animations running, each second the valve in section and the valve in
// the circuit tell the same moment of one press and release, and the cylinder
// moves the way the valve sends the air. Air flows through the section's ports
// (arrows) while the piston is on its way, and stops once it has reached either
// end of its stroke.
void TestDirectionalValveSections::sectionAndCircuitAgreeEverySecond()
{
    QFETCH(int, section);
    QFETCH(QString, circuit);
    QFETCH(QPoint, portA);
    QFETCH(QPoint, portB);
    const Section &s = kSections[section];
    const QByteArray control = circuit.toUtf8();
    const int sectionFrames = framesIn(s.page, s.control);
    const int circuitFrames = framesIn(s.page, control.constData());

    const QList<QImage> sections = framesOf(s);
    const int buttonOut = lastInRow(sections[0], s.axisRow, kPartGrey);
    const auto spoolOf = [&](const QImage &picture) {
        const int buttonIn = buttonOut - lastInRow(picture, s.axisRow, kPartGrey);
        const QRgb a = portAir(s, picture, portA.x(), portA.y() ? Side::Top : Side::Bottom);
        const QRgb b = portAir(s, picture, portB.x(), portB.y() ? Side::Top : Side::Bottom);
        if (buttonIn == 0)
            return a == Blue && b == Red ? Spool::AtRest : Spool::Unclear;
        if (buttonIn >= 44)
            return a == Red && b == Blue ? Spool::In : Spool::Unclear;
        return Spool::Unclear;
    };

    // The circuit on the page: where the valve's left edge and the piston stand,
    // counted from the box of frame 0. Pressed, the valve stands one square left.
    QList<int> valveLeft;
    QList<int> piston;
    for (int frame = 0; frame < circuitFrames; ++frame) {
        const QImage picture = circuitFrame(s.page, control.constData(), frame);
        const int shift = boxLeft(s.page, control.constData(), frame) - boxLeft(s.page, control.constData(), 0);
        valveLeft << firstInRow(picture, kCircuitValveTopRow, Black) + shift;
        piston << firstInRow(picture, kCircuitPistonRow, kPistonGrey) + shift;
    }
    const int restingValve = *std::max_element(valveLeft.begin(), valveLeft.end());
    const int pistonIn = *std::min_element(piston.begin(), piston.end());
    const int pistonOut = *std::max_element(piston.begin(), piston.end());

    for (int second = 0; second < 60; ++second) {
        const Moment &moment = kPressAndRelease[second % 6];
        const int sectionFrame = second % sectionFrames;
        const int circuitFrame = second % circuitFrames;
        const int circuitBefore = (second + 59) % 60 % circuitFrames;
        const QString where = QStringLiteral("second %1: section frame %2, circuit frame %3")
                                  .arg(second).arg(sectionFrame).arg(circuitFrame);
        QVERIFY2(spoolOf(sections[sectionFrame]) == moment.spool, qPrintable(where));
        const bool pressed = valveLeft[circuitFrame] == restingValve - 60;
        QVERIFY2(pressed || valveLeft[circuitFrame] == restingValve, qPrintable(where));
        QVERIFY2(pressed == moment.pressed, qPrintable(where + ": the circuit's button"));
        const int moved = piston[circuitFrame] - piston[circuitBefore];
        QVERIFY2(moved != 0, qPrintable(where + ": the piston stands still"));
        QVERIFY2((moved > 0 ? Piston::GoesOut : Piston::GoesIn) == moment.piston, qPrintable(where + ": the piston"));
        const bool onItsWay = piston[circuitFrame] != pistonIn && piston[circuitFrame] != pistonOut;
        QVERIFY2(showsFlow(s, sections[sectionFrame]) == onItsWay, qPrintable(where + ": the flow arrows"));
    }
}

// Letters are drawn as the artwork generator draws them: on the offscreen platform.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    TestDirectionalValveSections test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_directional_valve_sections.moc"
