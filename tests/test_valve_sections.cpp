// Checks the committed section animations of the 3/2, 4/2 and 5/2 valves against
// what each frame must show: where there is air under pressure or exhaust air, the
// body standing still while the spool and push button travel left, and the colour
// of the air at the ports that change over.
#include "PictureChecks.h"

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
    // 3/2: exhaust until the waist reaches P, then pressure only.
    QTest::newRow("3/2") << 0 << "nnnnyy" << "yyyynn";
    // 4/2: the spring chamber and its passage hold exhaust air in every frame.
    QTest::newRow("4/2") << 1 << "yyyyyy" << "yyyyyy";
    // 5/2: in mid travel only the P passage holds air.
    QTest::newRow("5/2") << 2 << "yyyyyy" << "yynnyy";
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
    QCOMPARE(portAir(v32, f32[0], 176, Side::Bottom), White);   // P closed
    QCOMPARE(portAir(v32, f32[5], 210, Side::Top), Red);        // P to A
    QCOMPARE(portAir(v32, f32[5], 244, Side::Bottom), White);   // R closed

    const Section &v42 = kSections[1];
    const QList<QImage> f42 = framesOf(v42);
    QCOMPARE(portAir(v42, f42[0], 275, Side::Bottom), Red);     // P to A
    QCOMPARE(portAir(v42, f42[0], 150, Side::Bottom), Blue);    // B to T
    QCOMPARE(portAir(v42, f42[3], 275, Side::Bottom), Blue);    // both covered
    QCOMPARE(portAir(v42, f42[3], 150, Side::Bottom), Blue);
    QCOMPARE(portAir(v42, f42[5], 275, Side::Bottom), Blue);    // A to T
    QCOMPARE(portAir(v42, f42[5], 150, Side::Bottom), Red);     // P to B
    for (const QImage &frame : f42)
        QCOMPARE(portAir(v42, frame, 85, Side::Bottom), Blue);  // T

    const Section &v52 = kSections[2];
    const QList<QImage> f52 = framesOf(v52);
    QCOMPARE(portAir(v52, f52[0], 168, Side::Top), Red);        // P to B
    QCOMPARE(portAir(v52, f52[0], 266, Side::Top), Blue);       // A to R
    QCOMPARE(portAir(v52, f52[0], 142, Side::Bottom), White);   // T closed
    QCOMPARE(portAir(v52, f52[2], 213, Side::Bottom), Red);     // P up to the middle land
    QCOMPARE(portAir(v52, f52[4], 168, Side::Top), Blue);       // B to T
    QCOMPARE(portAir(v52, f52[4], 266, Side::Top), Red);        // P to A
    QCOMPARE(portAir(v52, f52[4], 300, Side::Bottom), White);   // R closed
}

QTEST_GUILESS_MAIN(TestValveSections)
#include "test_valve_sections.moc"
