// Checks the committed section animations of the 3/2, 4/2 and 5/2 valves against
// what each frame must show: where there is air under pressure or exhaust air, the
// body standing still while the spool and push button travel left, and which
// lettered ports the air joins at rest and pressed, the same as in the circuit.
#include "Canvas.h"
#include "DrawingBasics.h"
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

Glyph glyphOf(const QString &letter)
{
    QImage canvas = blankPicture(QSize(60, 60));
    {
        PicturePainter p(&canvas);
        drawLetter(p, QPoint(30, 30), letter, 16);
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

QImage circuitFrame(const char *page, const char *control, int frame)
{
    return committedFrame(QString::fromUtf8(page), QString::fromUtf8(control), frame);
}

} // namespace

class TestValveSections final : public QObject {
    Q_OBJECT

private slots:
    void picturesHaveTheirCatalogueSizes();
    void redAndBlueAppearWhereAirIsDescribed_data();
    void redAndBlueAppearWhereAirIsDescribed();
    void bodyStaysInPlace();
    void spoolAndButtonTravelLeft();
    void portsChangeOverWhenSwitched();
    void lettersJoinAsInTheCircuit();
};

void TestValveSections::picturesHaveTheirCatalogueSizes()
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

void TestValveSections::redAndBlueAppearWhereAirIsDescribed_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<QString>("red");   // one letter per frame: y = has red, n = has none
    QTest::addColumn<QString>("blue");
    // 3/2: exhaust until the waist reaches P, then pressure only; P holds the
    // supply's pressure throughout.
    QTest::newRow("3/2") << 0 << "yyyyyy" << "yyyynn";
    // 4/2: the spring chamber and its passage hold exhaust air in every frame.
    QTest::newRow("4/2") << 1 << "yyyyyy" << "yyyyyy";
    // 5/2: in mid travel P is closed while B already empties and A holds its
    // exhaust air.
    QTest::newRow("5/2") << 2 << "yyyyyy" << "yyyyyy";
}

void TestValveSections::redAndBlueAppearWhereAirIsDescribed()
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

// Every light grey pixel is body, and the body is the same in all six frames,
// whatever the size of the picture.
void TestValveSections::bodyStaysInPlace()
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
// end both move left from frame to frame: the spring shortens as the button goes in.
void TestValveSections::spoolAndButtonTravelLeft()
{
    for (const Section &section : kSections) {
        const QList<QImage> frames = framesOf(section);
        int spool = INT_MAX;
        int button = INT_MAX;
        for (int frame = 0; frame < 6; ++frame) {
            const int spoolNow = firstInRow(frames[frame], section.axisRow, kPartGrey);
            const int buttonNow = lastInRow(frames[frame], section.axisRow, kPartGrey);
            QVERIFY(spoolNow > section.body.left() && buttonNow > section.body.right());
            QVERIFY2(spoolNow < spool && buttonNow < button,
                     qPrintable(QString("%1 frame %2 has not moved").arg(section.control).arg(frame)));
            QCOMPARE(spool == INT_MAX ? 0 : spool - spoolNow, button == INT_MAX ? 0 : button - buttonNow);
            spool = spoolNow;
            button = buttonNow;
        }
    }
}

// The ports that change over: which hold air under pressure at rest and which
// once the button is fully in.
void TestValveSections::portsChangeOverWhenSwitched()
{
    const Section &v32 = kSections[0];
    const QList<QImage> f32 = framesOf(v32);
    QCOMPARE(portAir(v32, f32[0], 210, Side::Top), Blue);       // A to R
    QCOMPARE(portAir(v32, f32[0], 176, Side::Bottom), Red);     // P closed, under pressure
    QCOMPARE(portAir(v32, f32[5], 210, Side::Top), Red);        // P to A
    QCOMPARE(portAir(v32, f32[5], 244, Side::Bottom), White);   // R closed

    // 4/2 (T, A, P, B along the bottom): a port the lands cover keeps its air.
    const Section &v42 = kSections[1];
    const QList<QImage> f42 = framesOf(v42);
    for (int frame : {2, 3, 4}) {
        QCOMPARE(portAir(v42, f42[frame], 150, Side::Bottom), Blue);   // A, cut off after emptying
        QCOMPARE(portAir(v42, f42[frame], 275, Side::Bottom), Red);    // B, cut off under pressure
        QCOMPARE(portAir(v42, f42[frame], 215, Side::Bottom), Red);    // P
    }
    for (const QImage &frame : f42)
        QCOMPARE(portAir(v42, frame, 85, Side::Bottom), Blue);  // T

    // 5/2 (R, P, T below): in mid travel P is closed, B empties through R, and A,
    // cut off, holds its exhaust air.
    const Section &v52 = kSections[2];
    const QList<QImage> f52 = framesOf(v52);
    for (int frame : {2, 3}) {
        QCOMPARE(portAir(v52, f52[frame], 213, Side::Bottom), Red);    // P up to the middle land
        QCOMPARE(portAir(v52, f52[frame], 168, Side::Top), Blue);      // B
        QCOMPARE(portAir(v52, f52[frame], 142, Side::Bottom), Blue);   // R
        QCOMPARE(portAir(v52, f52[frame], 266, Side::Top), Blue);      // A
        QCOMPARE(portAir(v52, f52[frame], 300, Side::Bottom), White);  // T closed
    }
}

// The letters drawn at the ports of the section join up as the circuit on the same
// page shows them: at rest P feeds B and A empties (through T on the 5/2 valve,
// whose R is closed); pressed, P feeds A and B empties (through R, T closed).
void TestValveSections::lettersJoinAsInTheCircuit()
{
    struct Page {
        int section;
        const char *circuit;
        QList<PortAxis> ports;
    };
    const Page pages[] = {
        {1, "picCircuit42", {{85, Side::Bottom}, {150, Side::Bottom}, {215, Side::Bottom}, {275, Side::Bottom}}},
        {2, "picCircuit52", {{168, Side::Top}, {266, Side::Top}, {142, Side::Bottom}, {213, Side::Bottom},
                             {300, Side::Bottom}}},
    };
    for (const Page &page : pages) {
        const Section &section = kSections[page.section];
        const bool fiveWay = page.section == 2;
        for (const bool pressed : {false, true}) {
            const QString where = QStringLiteral("%1 %2").arg(section.control, pressed ? "pressed" : "at rest");
            const QHash<QString, QRgb> air = airByLetter(section, frameOf(section, pressed ? 5 : 0), page.ports);
            const QSet<QString> letters = fiveWay ? QSet<QString>{"A", "B", "P", "R", "T"}
                                                  : QSet<QString>{"A", "B", "P", "T"};
            QCOMPARE(QSet<QString>(air.keyBegin(), air.keyEnd()), letters);
            QVERIFY2(air["P"] == Red, qPrintable(where));
            QVERIFY2(air[pressed ? "A" : "B"] == Red, qPrintable(where));
            QVERIFY2(air[pressed ? "B" : "A"] == Blue, qPrintable(where));

            const QImage circuit = circuitFrame(section.page, page.circuit, pressed ? 1 : 0);
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

// Letters are drawn as the artwork generator draws them: on the offscreen platform.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    TestValveSections test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_valve_sections.moc"
