// High-density screens: at a device pixel ratio of 2 every page keeps its layout
// in logical pixels, its pictures are enlarged by whole pixels (each picture pixel
// a uniform 2 x 2 block, no blur) and its texts are drawn at the screen's own
// resolution rather than enlarged from a bitmap.
#include "PagePainting.h"
#include "PageRegistry.h"
#include "Pictures.h"
#include "SystemColours.h"
#include "TestSupport.h"

#include <QScreen>

static QImage grabbed(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The widget as a screen of ratio 1 would show it.
static QImage renderedAtOne(QWidget &widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    widget.render(&image);
    return image;
}

// Every page the program shows, each opened the way the program opens it.
template <typename Check>
static void forEveryPage(Check check)
{
    for (const RegistryEntry &entry : pageRegistry()) {
        if (entry.kind == PageKind::MainFrame)
            continue;
        Program program;
        if (entry.kind == PageKind::Component)
            program.navigator.openComponentPage(entry.page);
        check(program.open(entry.page));
    }
}

// The rectangles of a page's controls, in the page's logical pixels.
static QList<QRect> controlRects(const PageDescription &description)
{
    QList<QRect> rects;
    for (const ControlRecord &record : description.controls)
        std::visit([&](const auto &control) {
            if constexpr (requires { control.rect; })
                rects.append(pixelRect(control.rect));
        }, record);
    return rects;
}

static bool overlapsAnother(const QRect &rect, const QList<QRect> &all)
{
    return std::count_if(all.begin(), all.end(), [&](const QRect &other) { return other.intersects(rect); }) > 1;
}

static int colourDistance(QRgb a, QRgb b)
{
    return std::max({qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))});
}

// Rows of logical pixels that hold text, as runs: one run per line of text.
static QList<QPair<int, int>> inkedRowRuns(const QImage &image, const QRect &logical, qreal ratio, QRgb background)
{
    QList<QPair<int, int>> runs;
    for (int y = logical.top(); y <= logical.bottom(); ++y) {
        bool inked = false;
        for (int py = int(y * ratio); py < int((y + 1) * ratio) && !inked; ++py)
            for (int px = int(logical.left() * ratio); px < int((logical.right() + 1) * ratio) && !inked; ++px)
                inked = image.pixel(px, py) != background;
        if (!inked)
            continue;
        if (!runs.isEmpty() && runs.last().second == y - 1)
            runs.last().second = y;
        else
            runs.append({y, y});
    }
    return runs;
}

class HighDensityTest final : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void theScreenHasRatioTwo()
    {
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
    }

    // Controls sit where the page places them in logical pixels, the frame keeps
    // its size, and a grab of a page holds twice as many pixels each way.
    void everyPageKeepsItsLayoutInLogicalPixels()
    {
        forEveryPage([](PageWindow &page) {
            const PageDescription &description = page.description();
            for (const ControlRecord &record : description.controls) {
                if (const auto *box = std::get_if<PictureBoxRecord>(&record)) {
                    const auto *widget = page.surface()->findChild<QWidget *>(box->name);
                    QVERIFY2(widget, qPrintable(description.name + '/' + box->name));
                    if (!box->index)
                        QCOMPARE(widget->geometry(), pixelRect(box->rect));
                } else if (const auto *button = std::get_if<ButtonRecord>(&record)) {
                    QCOMPARE(page.button(button->name).geometry(), pixelRect(button->rect));
                }
            }
            const QPixmap shot = page.surface()->grab();
            QCOMPARE(shot.devicePixelRatio(), 2.0);
            QCOMPARE(shot.size(), page.surface()->size() * 2);
            QCOMPARE(page.window()->width(), 792);
        });
    }

    // Each picture pixel fills a 2 x 2 block of its own colour: the picture exactly,
    // enlarged by whole pixels, where no other control covers it.
    void picturesAreEnlargedByWholePixels()
    {
        int checkedPixels = 0;
        forEveryPage([&](PageWindow &page) {
            const PageDescription &description = page.description();
            const QImage shot = grabbed(*page.surface());
            const QList<QRect> rects = controlRects(description);
            for (const ControlRecord &record : description.controls) {
                QRect rect;
                QString name;
                if (const auto *image = std::get_if<ImageRecord>(&record)) {
                    rect = pixelRect(image->rect);
                    name = image->picture;
                } else if (const auto *box = std::get_if<PictureBoxRecord>(&record); box && box->visible) {
                    rect = pixelRect(box->rect);
                    name = box->picture;
                    if (!box->children.isEmpty())
                        continue;  // labels drawn over the picture
                }
                if (name.isEmpty() || overlapsAnother(rect, rects))
                    continue;
                const QImage picture = GetPicture(name).convertToFormat(QImage::Format_RGB32);
                const QRect drawn = QRect(rect.topLeft(), picture.size()).intersected(rect);
                for (int y = drawn.top(); y <= drawn.bottom(); ++y)
                    for (int x = drawn.left(); x <= drawn.right(); ++x) {
                        const QRgb expected = picture.pixel(x - rect.left(), y - rect.top());
                        for (int dy = 0; dy < 2; ++dy)
                            for (int dx = 0; dx < 2; ++dx)
                                if (shot.pixel(2 * x + dx, 2 * y + dy) != expected)
                                    QFAIL(qPrintable(QStringLiteral("%1: pixel %2,%3 of %4 is not a uniform block of its colour")
                                                         .arg(description.name).arg(x - rect.left()).arg(y - rect.top()).arg(name)));
                        ++checkedPixels;
                    }
            }
        });
        QVERIFY2(checkedPixels > 100000, qPrintable(QString::number(checkedPixels)));
    }

    // Text is drawn at the screen's resolution: inside some 2 x 2 block two
    // neighbouring pixels differ by more than half the contrast of text and
    // background. No enlargement of a ratio-1 bitmap does that: whole-pixel blocks
    // are uniform, and a smooth enlargement changes by at most a quarter of the
    // contrast between neighbours half a source pixel apart. Its lines stay on the
    // same logical rows as at ratio 1.
    void textsAreDrawnAtTheScreenResolution()
    {
        int checkedLabels = 0;
        forEveryPage([&](PageWindow &page) {
            const PageDescription &description = page.description();
            const QImage shot = grabbed(*page.surface());
            const QImage atOne = renderedAtOne(*page.surface());
            const QList<QRect> rects = controlRects(description);
            for (const ControlRecord &record : description.controls) {
                const auto *label = std::get_if<LabelRecord>(&record);
                if (!label || label->caption.trimmed().isEmpty())
                    continue;
                const QRect rect = pixelRect(label->rect);
                if (overlapsAnother(rect, rects))
                    continue;
                const QRgb ink = resolveColour(label->foreground).rgb();
                const QRgb ground = resolveColour(label->background).rgb();
                if (ink == ground)
                    continue;
                const int contrast = colourDistance(ink, ground);
                bool sharp = false;
                for (int y = 2 * rect.top(); y < 2 * (rect.bottom() + 1) && !sharp; y += 2)
                    for (int x = 2 * rect.left(); x < 2 * (rect.right() + 1) && !sharp; x += 2) {
                        const QRgb a = shot.pixel(x, y);
                        sharp = 2 * colourDistance(a, shot.pixel(x + 1, y)) > contrast
                                || 2 * colourDistance(a, shot.pixel(x, y + 1)) > contrast;
                    }
                const QString where = description.name + '/' + label->name;
                QVERIFY2(sharp, qPrintable(where + ": the text looks enlarged from a bitmap"));

                const auto linesAtTwo = inkedRowRuns(shot, rect, 2, ground);
                const auto linesAtOne = inkedRowRuns(atOne, rect, 1, ground);
                QVERIFY2(linesAtTwo.size() == linesAtOne.size(), qPrintable(where + ": another number of lines"));
                for (qsizetype i = 0; i < linesAtTwo.size(); ++i)
                    QVERIFY2(qAbs(linesAtTwo[i].first - linesAtOne[i].first) <= 1,
                             qPrintable(where + ": a line moved"));
                ++checkedLabels;
            }
        });
        QVERIFY2(checkedLabels > 30, qPrintable(QString::number(checkedLabels)));
    }
};

int main(int argc, char **argv)
{
    prepareTestEnvironment();
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    installFontSubstitutions();
    HighDensityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_high_density.moc"
