// Checks the committed pictures of the filter, pressure regulator and lubricator
// pages against what each frame must show: where the moving air is marked, what
// moves and what stays put, and that the symbols are plain black line drawings.
#include "PictureChecks.h"

#include <QImage>
#include <QtTest>

using namespace PictureChecks;

namespace {

constexpr QRgb kLightCyan = qRgb(198, 255, 255);
constexpr QRgb kLightYellow = qRgb(255, 255, 198);
constexpr QRgb kLightBlue = qRgb(132, 132, 255);
constexpr QRgb kPaleBlue = qRgb(198, 198, 255);
constexpr QRgb kDarkRed = qRgb(132, 0, 0);
constexpr QRgb kMidGrey = qRgb(132, 132, 132);

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

// The regulator's diaphragm plate lies across this column, clear of the stem.
constexpr int kPlateColumn = 97;
const QRect kRegulatorBodyCorner(QPoint(38, 16), QPoint(62, 32));   // solid body, no passage

const QRect kLubricatorPassage(QPoint(28, 136), QPoint(250, 166));
const QRect kLubricatorPastNozzle(QPoint(200, 136), QPoint(250, 166));
constexpr int kOilColumn = 200;   // through the bowl, clear of the riser tube

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
    void regulatorFillsWithAirAndOpens();
    void regulatorStaysInItsBox();
    void lubricatorMistThickensAtAFixedOilLevel();
    void symbolsAreBlackLinesOnWhite();
};

void TestAirTreatmentPictures::filterStreaksFollowTheAir()
{
    const QList<QImage> frames = framesOf("frmFiltre", "picFiltre");
    auto whiteIn = [](const QRect &area) { return [area](const QImage &f) { return count(f, area, White) > 0; }; };
    auto paleIn = [](const QRect &area) { return [area](const QImage &f) { return count(f, area, kPaleBlue) > 0; }; };

    QCOMPARE(pattern(frames, [](const QImage &f) {
                 return count(f, kFilterBowl, White) + count(f, f.rect(), kPaleBlue) > 0;
             }),
             QStringLiteral("nyyyyy"));
    QCOMPARE(pattern(frames, whiteIn(kFilterInlet)), QStringLiteral("nynyyn"));
    QCOMPARE(pattern(frames, whiteIn(kFilterLeftSide)), QStringLiteral("nynyyn"));
    QCOMPARE(pattern(frames, paleIn(kFilterElementLower)), QStringLiteral("nnyyyy"));
    QCOMPARE(pattern(frames, paleIn(kFilterOutlet)), QStringLiteral("nnnnyy"));
    // The outlet holds filtered air only: no white streaks of unfiltered air there.
    for (const QImage &frame : frames)
        QCOMPARE(count(frame, kFilterOutlet, White), 0);
}

// Against frame 0, a later frame may only have turned red into white streaks or
// blue into pale blue ones; and the rows the box cuts off hold nothing.
void TestAirTreatmentPictures::filterChangesNothingButTheAir()
{
    const QList<QImage> frames = framesOf("frmFiltre", "picFiltre");
    const QImage &still = frames[0];
    for (int frame = 1; frame < 6; ++frame) {
        for (int y = 0; y < still.height(); ++y) {
            for (int x = 0; x < still.width(); ++x) {
                const QRgb before = still.pixel(x, y);
                const QRgb now = frames[frame].pixel(x, y);
                if (now != before && !(before == Red && now == White) && !(before == Blue && now == kPaleBlue))
                    QFAIL(qPrintable(QString("frame %1 changed at %2, %3").arg(frame).arg(x).arg(y)));
            }
        }
    }
    const QRect cutOff(0, 488, still.width(), 5);
    QCOMPARE(coloursIn(still, cutOff), QSet<QRgb>{White});
}

void TestAirTreatmentPictures::regulatorFillsWithAirAndOpens()
{
    const QList<QImage> frames = framesOf("frmRegPressió", "picRegPressió");
    QCOMPARE(pattern(frames, [](const QImage &f) { return contains(f, kLightCyan); }), QStringLiteral("yynnnn"));
    QCOMPARE(pattern(frames, [](const QImage &f) { return contains(f, Blue); }), QStringLiteral("nyyyyy"));
    QCOMPARE(pattern(frames, [](const QImage &f) { return contains(f, kPaleBlue); }), QStringLiteral("nnyyyy"));
    QVERIFY(frames[2] != frames[3]);   // the fleck moves
    QCOMPARE(pattern(frames, [](const QImage &f) { return coloursIn(f, kRegulatorBodyCorner).contains(kMidGrey); }),
             QStringLiteral("nnnnny"));

    // The diaphragm plate, and with it stem and disc, rises 3 to 4 and then 7 pixels.
    QList<int> plateTop;
    for (const QImage &frame : frames)
        plateTop << topInColumn(frame, kPlateColumn, 100, 170, kDarkRed);
    QVERIFY(plateTop[0] > 0);
    QCOMPARE(plateTop[1], plateTop[0]);
    QVERIFY(plateTop[0] - plateTop[2] >= 3 && plateTop[0] - plateTop[2] <= 4);
    QCOMPARE(plateTop[3], plateTop[2]);
    QCOMPARE(plateTop[0] - plateTop[4], 7);
    QCOMPARE(plateTop[5], plateTop[4]);
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

void TestAirTreatmentPictures::lubricatorMistThickensAtAFixedOilLevel()
{
    const QList<QImage> frames = framesOf("frmLubrificant", "picLubrificant");
    const int level = topInColumn(frames[0], kOilColumn, 210, 460, kLightYellow);
    QVERIFY(level > 300 && level < 360);   // the lower half of the bowl
    int flecks = -1;
    for (int frame = 0; frame < 6; ++frame) {
        QCOMPARE(topInColumn(frames[frame], kOilColumn, 210, 460, kLightYellow), level);
        const int now = count(frames[frame], kLubricatorPassage, kLightBlue);
        QVERIFY2(now > flecks, qPrintable(QString("frame %1 has no more flecks than the one before").arg(frame)));
        flecks = now;
    }
    QCOMPARE(count(frames[0], kLubricatorPassage, kLightBlue), 0);
    QCOMPARE(pattern(frames, [](const QImage &f) { return count(f, kLubricatorPastNozzle, kLightYellow) > 0; }),
             QStringLiteral("nnnnny"));
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
