// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the committed pictures of the filter, pressure regulator and lubricator
// pages against what each frame must show: where the moving air is marked, what
// moves and what stays put, the regulator's valve following the forces on its
// diaphragm, colours from the one code of every page, and that the symbols are
// plain black line drawings.
#include "PictureChecks.h"

#include <QImage>

#include <algorithm>
#include <QtTest>

using namespace PictureChecks;

namespace {

constexpr QRgb kLightYellow = qRgb(255, 255, 198);
constexpr QRgb kDarkRed = qRgb(132, 0, 0);
constexpr QRgb kLightGrey = qRgb(198, 198, 198);
constexpr QRgb kMidGrey = qRgb(132, 132, 132);
constexpr QRgb kDarkGrey = qRgb(99, 99, 99);
constexpr QRgb kDeepGrey = qRgb(66, 66, 66);
constexpr QRgb kPink = qRgb(255, 132, 132);
constexpr QRgb kBlueGrey = qRgb(99, 132, 165);
constexpr QRgb kWater = qRgb(198, 255, 255);
constexpr QRgb kWaterEdge = qRgb(0, 0, 132);

QList<QImage> framesOf(const char *page, const char *control)
{
    QList<QImage> frames;
    for (int frame = 0; frame < 6; ++frame)
        frames << committedFrame(QString::fromUtf8(page), QString::fromUtf8(control), frame);
    return frames;
}

int count(const QImage &picture, const QRect &area, QRgb colour)
{
    int found = 0;
    const QRect clipped = area.intersected(picture.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            found += picture.pixel(x, y) == colour;
    return found;
}

// One letter per frame: y where `has` holds, n where it does not.
QString pattern(const QList<QImage> &frames, const std::function<bool(const QImage &)> &has)
{
    QString letters;
    for (const QImage &frame : frames)
        letters += has(frame) ? u'y' : u'n';
    return letters;
}

// The filter's passages, as they lie in the picture.
const QRect kFilterInlet(QPoint(36, 53), QPoint(72, 75));
const QRect kFilterOutlet(QPoint(200, 53), QPoint(283, 75));
const QRect kFilterLeftSide(QPoint(73, 130), QPoint(96, 220));
const QRect kFilterElementLower(QPoint(141, 236), QPoint(179, 316));
const QRect kFilterBowl(QPoint(73, 119), QPoint(247, 410));   // its straight part
// Beside the element, from the deflector's foot down to the baffle.
const QList<QRect> kFilterSwirlSides = {QRect(QPoint(72, 236), QPoint(118, 350)), QRect(QPoint(202, 236), QPoint(248, 350))};
// Inside the element and on to the outlet: the air that has been cleaned.
const QList<QRect> kFilterCleanSide = {QRect(QPoint(123, 53), QPoint(283, 118)), QRect(QPoint(131, 127), QPoint(189, 318))};
// Along the bowl wall from the deflector's foot down to the baffle's rim.
const QList<QRect> kFilterWalls = {QRect(QPoint(72, 236), QPoint(79, 420)), QRect(QPoint(241, 236), QPoint(248, 420))};
const QRect kFilterCondensate(QPoint(110, 435), QPoint(210, 445));
const QRect kFilterSediment(QPoint(120, 446), QPoint(200, 456));
constexpr QPoint kFilterDrain(160, 462);

// The regulator's diaphragm plate lies across this column, clear of the stem; the
// valve disc across the other, clear of the seat bore under it.
constexpr int kPlateColumn = 97;
constexpr int kDiscColumn = 110;
constexpr int kSeatRow = 61;   // the floor of the valve chamber, the disc's seat
const QRect kRegulatorBodyCorner(QPoint(38, 16), QPoint(62, 32));   // solid body, no passage
const QRect kRegulatorInlet(QPoint(40, 86), QPoint(75, 95));
const QRect kRegulatorOutlet(QPoint(188, 86), QPoint(210, 95));
const QRect kDiaphragmRim(QPoint(41, 147), QPoint(57, 148));

// The lubricator's air passage either side of the riser's line that crosses it.
const QList<QRect> kLubricatorPassage = {QRect(QPoint(28, 136), QPoint(88, 166)), QRect(QPoint(98, 136), QPoint(250, 166))};
const QRect kLubricatorPastNozzle(QPoint(200, 136), QPoint(250, 166));
// From the nozzle's tip to the outlet, over the throat.
const QRect kLubricatorDownstream(QPoint(183, 136), QPoint(250, 159));
constexpr int kNozzleTipColumn = 187;
constexpr int kOilColumn = 200;   // through the bowl, clear of the riser tube
constexpr int kRiserColumn = 93;
const QRect kLubricatorThroat(QPoint(167, 137), QPoint(176, 159));   // beside the nozzle's tube

// The pieces of one colour inside `area`, each pixel joined to its eight
// neighbours: the bounding box of each and how many pixels it has.
struct Blob {
    QRect box;
    int pixels = 0;
};

QList<Blob> blobsOf(const QImage &picture, const QRect &area, QRgb colour)
{
    const QRect clipped = area.intersected(picture.rect());
    QSet<quint64> seen;
    auto key = [](int x, int y) { return (quint64(quint32(x)) << 32) | quint32(y); };
    QList<Blob> blobs;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            if (picture.pixel(x, y) != colour || seen.contains(key(x, y)))
                continue;
            Blob blob{QRect(x, y, 1, 1), 0};
            QList<QPoint> open = {{x, y}};
            seen.insert(key(x, y));
            while (!open.isEmpty()) {
                const QPoint at = open.takeLast();
                blob.box |= QRect(at, QSize(1, 1));
                ++blob.pixels;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QPoint next = at + QPoint(dx, dy);
                        if (clipped.contains(next) && !seen.contains(key(next.x(), next.y()))
                            && picture.pixel(next) == colour) {
                            seen.insert(key(next.x(), next.y()));
                            open << next;
                        }
                    }
            }
            blobs << blob;
        }
    }
    return blobs;
}

int topInColumn(const QImage &picture, int x, int fromRow, int toRow, QRgb colour)
{
    for (int y = fromRow; y <= toRow; ++y)
        if (picture.pixel(x, y) == colour)
            return y;
    return -1;
}

} // namespace

class TestAirTreatmentPictures final : public QObject {
    Q_OBJECT

private slots:
    void filterStreaksFollowTheAir();
    void filterChangesNothingButTheAir();
    void filterSeparatesWaterAndDirt();
    void filterAirSwirlsRoundTheBowl();
    void regulatorFillsWithAir();
    void regulatorThrottlesAsTheOutletFills();
    void regulatorStaysInItsBox();
    void lubricatorMistThickensAtAFixedOilLevel();
    void coloursComeFromTheCode_data();
    void coloursComeFromTheCode();
    void symbolsAreBlackLinesOnWhite();
};

// The swirl separates water and dirt from the air: the incoming air carries them
// while it flows in; they run down the bowl wall (a drop on each wall below the
// deflector in every frame, moving from frame to frame) into the condensate that
// stands under the baffle and fills the drain. None reaches the clean side, inside
// the element and on to the outlet.
void TestAirTreatmentPictures::filterSeparatesWaterAndDirt()
{
    const QList<QImage> frames = framesOf("frmFiltre", "picFiltre");
    auto carries = [](const QRect &area) {
        return [area](const QImage &f) { return count(f, area, kWater) > 0 && count(f, area, kDeepGrey) > 0; };
    };
    QCOMPARE(pattern(frames, carries(kFilterInlet)), QStringLiteral("nyyyyn"));
    for (int frame = 0; frame < 6; ++frame) {
        const QImage &picture = frames[frame];
        const QString where = QStringLiteral("frame %1").arg(frame);
        QVERIFY2(coloursIn(picture, kFilterCondensate) == QSet<QRgb>{kWater}, qPrintable(where));
        QVERIFY2(coloursIn(picture, kFilterSediment).contains(kDeepGrey), qPrintable(where + ": settled dirt"));
        QVERIFY2(picture.pixel(kFilterDrain) == kWater, qPrintable(where + ": the drain"));
        for (const QRect &clean : kFilterCleanSide)
            QVERIFY2(count(picture, clean, kWater) + count(picture, clean, kDeepGrey) == 0, qPrintable(where));
        for (const QRect &wall : kFilterWalls) {
            QVERIFY2(count(picture, wall, kWater) > 10, qPrintable(where + ": water on the wall"));
            QVERIFY2(picture.copy(wall) != frames[(frame + 1) % 6].copy(wall), qPrintable(where + ": the drops stand still"));
        }
    }
}

// Below the deflector the air goes round the bowl: while it flows there, each side
// beside the element shows a white line running sideways, wider than it is tall
// (streaks straight up and down never do), and the swirl turns from frame to frame.
void TestAirTreatmentPictures::filterAirSwirlsRoundTheBowl()
{
    const QList<QImage> frames = framesOf("frmFiltre", "picFiltre");
    for (const QRect &side : kFilterSwirlSides) {
        auto swirls = [side](const QImage &f) {
            for (const Blob &line : blobsOf(f, side, White))
                if (line.box.width() >= 20 && line.box.width() > line.box.height())
                    return true;
            return false;
        };
        QCOMPARE(pattern(frames, swirls), QStringLiteral("nnyyyn"));
        QVERIFY(frames[2].copy(side) != frames[3].copy(side) && frames[3].copy(side) != frames[4].copy(side));
    }
}

// All the air in the filter is under pressure, filtered or not; white streaks mark
// where it moves, from the inlet round the bowl, through the element and out.
void TestAirTreatmentPictures::filterStreaksFollowTheAir()
{
    const QList<QImage> frames = framesOf("frmFiltre", "picFiltre");
    auto whiteIn = [](const QRect &area) { return [area](const QImage &f) { return count(f, area, White) > 0; }; };

    QCOMPARE(pattern(frames, whiteIn(kFilterBowl)), QStringLiteral("nyyyyy"));
    QCOMPARE(pattern(frames, whiteIn(kFilterInlet)), QStringLiteral("nyyyyn"));
    QCOMPARE(pattern(frames, whiteIn(kFilterLeftSide)), QStringLiteral("nyyyyn"));
    QCOMPARE(pattern(frames, whiteIn(kFilterElementLower)), QStringLiteral("nnyyyy"));
    QCOMPARE(pattern(frames, whiteIn(kFilterOutlet)), QStringLiteral("nnnnyy"));
    for (const QImage &frame : frames) {
        QVERIFY(count(frame, kFilterOutlet, Red) > 0);
        QVERIFY(count(frame, kFilterElementLower, Red) > 0);
    }
}

// Against frame 0, a later frame may only have changed the air (red, white
// streaks) and the water and dirt carried in it, and the rows the box cuts off
// hold nothing.
void TestAirTreatmentPictures::filterChangesNothingButTheAir()
{
    const QList<QImage> frames = framesOf("frmFiltre", "picFiltre");
    const QImage &still = frames[0];
    const QSet<QRgb> carried = {Red, White, kWater, kWaterEdge, kDeepGrey};
    for (int frame = 1; frame < 6; ++frame) {
        for (int y = 0; y < still.height(); ++y) {
            for (int x = 0; x < still.width(); ++x) {
                const QRgb before = still.pixel(x, y);
                const QRgb now = frames[frame].pixel(x, y);
                if (now != before && !(carried.contains(before) && carried.contains(now)))
                    QFAIL(qPrintable(QString("frame %1 changed at %2, %3").arg(frame).arg(x).arg(y)));
            }
        }
    }
    const QRect cutOff(0, 488, still.width(), 5);
    QCOMPARE(coloursIn(still, cutOff), QSet<QRgb>{White});
}

// No air at first; then air under pressure up to the valve; then everywhere,
// flowing (a pale fleck that moves): the supply's full pressure (red) at the
// inlet, the lower, regulated pressure (orange) past the valve. Frame 5 draws the
// body with a dotted texture.
void TestAirTreatmentPictures::regulatorFillsWithAir()
{
    const QList<QImage> frames = framesOf("frmRegPressió", "picRegPressió");
    auto holdsAir = [](const QRect &area, QRgb air) {
        return [area, air](const QImage &f) {
            const QSet<QRgb> colours = coloursIn(f, area);
            return colours.contains(air) && QSet<QRgb>(colours).subtract({air, White}).isEmpty();
        };
    };
    auto empty = [](const QRect &area) { return [area](const QImage &f) { return coloursIn(f, area) == QSet<QRgb>{White}; }; };
    QCOMPARE(pattern(frames, holdsAir(kRegulatorInlet, Red)), QStringLiteral("nyyyyy"));
    QCOMPARE(pattern(frames, empty(kRegulatorInlet)), QStringLiteral("ynnnnn"));
    QCOMPARE(pattern(frames, holdsAir(kRegulatorOutlet, Orange)), QStringLiteral("nnyyyy"));
    QCOMPARE(pattern(frames, empty(kRegulatorOutlet)), QStringLiteral("yynnnn"));
    QVERIFY(frames[2] != frames[3]);   // the fleck moves
    QCOMPARE(pattern(frames, [](const QImage &f) { return coloursIn(f, kRegulatorBodyCorner).contains(kMidGrey); }),
             QStringLiteral("nnnnny"));
}

// At rest the main spring holds the valve open; as the outlet fills, its pressure
// on the diaphragm wins over the spring, and diaphragm plate, stem and disc come
// down together, the disc closing towards its seat: the gap under the disc shrinks
// from frame to frame (open 9 rows, then 6, then 4) but never shuts while air flows
// out: the last gap still shows plainly, as the air passing it shows. The diaphragm is a moving part, not air.
void TestAirTreatmentPictures::regulatorThrottlesAsTheOutletFills()
{
    const QList<QImage> frames = framesOf("frmRegPressió", "picRegPressió");
    QList<int> gap;
    QList<int> plateTop;
    for (const QImage &frame : frames) {
        int rows = 0;
        while (rows < 30 && frame.pixel(kDiscColumn, kSeatRow - 1 - rows) != Black)
            ++rows;
        gap << rows;
        plateTop << topInColumn(frame, kPlateColumn, 100, 170, kDarkGrey);
        QCOMPARE(coloursIn(frame, kDiaphragmRim), QSet<QRgb>{kDarkGrey});
    }
    QCOMPARE(gap, (QList<int>{9, 9, 6, 6, 4, 4}));
    for (int frame = 1; frame < 6; ++frame) {
        // Plate, stem and disc move as one.
        QCOMPARE(plateTop[frame] - plateTop[0], gap[0] - gap[frame]);
    }
    // The valve chamber's floor is the seat: it never moves.
    for (const QImage &frame : frames)
        QCOMPARE(frame.pixel(kDiscColumn, kSeatRow), Black);
}

// The box shows only the first 257 columns; the drawing keeps to the first 248.
void TestAirTreatmentPictures::regulatorStaysInItsBox()
{
    for (const QImage &frame : framesOf("frmRegPressió", "picRegPressió")) {
        const QRect beyond(QPoint(248, 0), QPoint(frame.width() - 1, frame.height() - 1));
        QCOMPARE(coloursIn(frame, beyond), QSet<QRgb>{White});
        QVERIFY(contains(frame.copy(0, 0, 248, frame.height()), Black));
    }
}

// The air in the head and in the bowl over the oil is under pressure in every
// frame; pale flecks of moving air thicken from frame to frame, oil climbs the
// riser once air flows, and from the fourth frame on the air carries oil past the
// nozzle.
void TestAirTreatmentPictures::lubricatorMistThickensAtAFixedOilLevel()
{
    const QList<QImage> frames = framesOf("frmLubrificant", "picLubrificant");
    const int level = topInColumn(frames[0], kOilColumn, 210, 460, kLightYellow);
    QVERIFY(level > 300 && level < 360);   // the lower half of the bowl
    int flecks = -1;
    for (int frame = 0; frame < 6; ++frame) {
        const QImage &picture = frames[frame];
        QCOMPARE(topInColumn(picture, kOilColumn, 210, 460, kLightYellow), level);
        QCOMPARE(picture.pixel(kOilColumn, level - 20), Red);
        int now = 0;
        for (const QRect &passage : kLubricatorPassage) {
            now += count(picture, passage, White);
            QVERIFY(count(picture, passage, Red) > 0);
        }
        QVERIFY2(now > flecks, qPrintable(QString("frame %1 has no more flecks than the one before").arg(frame)));
        flecks = now;
        QCOMPARE(picture.pixel(kRiserColumn, level + 40), kLightYellow);
        QCOMPARE(picture.pixel(kRiserColumn, level - 60), frame == 0 ? White : kLightYellow);
    }
    QVERIFY(flecks > 0);
    QCOMPARE(pattern(frames, [](const QImage &f) { return count(f, kLubricatorPastNozzle, kLightYellow) > 0; }),
             QStringLiteral("nnnyyy"));
    // Drops of oil, not single specks, leave the nozzle's tip and the air carries
    // them to the outlet: more of them each frame, the last reaching the outlet.
    int drops = 0;
    for (int frame = 3; frame < 6; ++frame) {
        const QString where = QStringLiteral("frame %1").arg(frame);
        QList<Blob> carried;
        for (const Blob &oil : blobsOf(frames[frame], kLubricatorDownstream, kLightYellow))
            if (oil.pixels >= 6)
                carried << oil;
        QVERIFY2(carried.size() >= 2 && carried.size() > drops, qPrintable(where));
        drops = int(carried.size());
        const auto leftmost = std::min_element(carried.begin(), carried.end(),
                                               [](const Blob &a, const Blob &b) { return a.box.left() < b.box.left(); });
        QVERIFY2(leftmost->box.left() < kNozzleTipColumn + 5, qPrintable(where + ": none at the nozzle"));
        if (frame == 5)
            QVERIFY(std::any_of(carried.begin(), carried.end(), [](const Blob &oil) { return oil.box.right() > 240; }));
    }
    // The air speeding through the throat under the nozzle is at a lower pressure
    // than the bowl (that is what lifts the oil), but only while it flows; the
    // air coming in and the bowl stay at the full pressure.
    QCOMPARE(pattern(frames, [](const QImage &f) { return contains(f, Orange); }), QStringLiteral("nyyyyy"));
    for (int frame = 0; frame < 6; ++frame) {
        const QImage &picture = frames[frame];
        QCOMPARE(count(picture, kLubricatorThroat, frame == 0 ? Orange : Red), 0);
        QCOMPARE(count(picture, kLubricatorPassage[0], Orange), 0);
    }
}

// Every pixel is one of the colours of the code (red air under pressure, orange
// air at a reduced pressure, white nothing, light grey bodies, dark grey moving
// parts, black lines and arrows) or a colour named for something that is not air:
// the mid and deep greys of knobs, plugs, the element's grain and dirt, the dark
// red of the adjusting parts (the filter has none), the light yellow of oil and of the bowls, the filter's water
// (light cyan edged in dark blue), the pink drip chamber, the blue-grey needle.
// There is no blue: no air in these units is at atmospheric pressure.
void TestAirTreatmentPictures::coloursComeFromTheCode_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QSet<QRgb>>("allowed");
    const QSet<QRgb> code = {White, Black, Red, kLightGrey, kDarkGrey};
    QTest::newRow("filter") << "frmFiltre" << "picFiltre"
                            << (code + QSet<QRgb>{kMidGrey, kDeepGrey, kLightYellow, kWater, kWaterEdge});
    QTest::newRow("regulator") << "frmRegPressió" << "picRegPressió"
                               << (code + QSet<QRgb>{Orange, kMidGrey, kDeepGrey, kDarkRed, kLightYellow});
    QTest::newRow("lubricator") << "frmLubrificant" << "picLubrificant"
                                << (code + QSet<QRgb>{Orange, kMidGrey, kLightYellow, kPink, kBlueGrey});
}

void TestAirTreatmentPictures::coloursComeFromTheCode()
{
    QFETCH(QString, page);
    QFETCH(QString, control);
    QFETCH(QSet<QRgb>, allowed);
    for (int frame = 0; frame < 6; ++frame) {
        const QImage picture = committedFrame(page, control, frame);
        for (const QRgb colour : coloursIn(picture, picture.rect()))
            QVERIFY2(allowed.contains(colour),
                     qPrintable(QStringLiteral("frame %1: %2").arg(frame).arg(colour & 0xffffff, 6, 16, QLatin1Char('0'))));
    }
}

void TestAirTreatmentPictures::symbolsAreBlackLinesOnWhite()
{
    for (const char *name : {"frmFiltre/Image1.gif", "frmRegPressió/Image1.gif", "frmLubrificant/ImgSimbol.gif"}) {
        const QImage symbol = committed(QString::fromUtf8(name));
        QCOMPARE(symbol.size(), QSize(135, 75));
        QCOMPARE(coloursIn(symbol, symbol.rect()), (QSet<QRgb>{Black, White}));
        // Drawn in the middle, with a white margin all round.
        QCOMPARE(coloursIn(symbol, QRect(0, 0, 135, 2)), QSet<QRgb>{White});
        QCOMPARE(coloursIn(symbol, QRect(0, 73, 135, 2)), QSet<QRgb>{White});
    }
}

QTEST_GUILESS_MAIN(TestAirTreatmentPictures)
#include "test_air_treatment_pictures.moc"
