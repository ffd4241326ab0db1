// SPDX-License-Identifier: GPL-3.0-or-later
// High-density screens: at a device pixel ratio of 2 every page keeps its layout
// in logical pixels, its pictures are enlarged by whole pixels (each picture pixel
// a uniform 2 x 2 block, no blur) and its texts are drawn at the screen's own
// resolution rather than enlarged from a bitmap. The screen is 1024 x 768 pixels,
// 512 x 384 at that ratio: smaller than the frame, whose pages then scroll.
#include "PagePainting.h"
#include "PageRegistry.h"
#include "Pictures.h"
#include "SystemColours.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QScreen>
#include <QStyleOptionSlider>

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

// Presses the mouse on the scroll bar's groove beyond its handle, towards the end
// when `forward`: the page moves by what the window shows.
static void pressGroove(QScrollBar *bar, bool forward)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    if (bar->orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    const auto part = forward ? QStyle::SC_ScrollBarAddPage : QStyle::SC_ScrollBarSubPage;
    const QPoint at = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar).center();
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, at);
}

// Scrolls the page with the mouse until `control` is wholly in view, and returns the
// widget the mouse finds at its centre in the frame.
static QWidget *scrollToAndPoint(PageWindow &page, QWidget *control)
{
    for (int press = 0; press < 20 && !page.shownPart().contains(control->geometry()); ++press) {
        const QRect shown = page.shownPart();
        const QRect target = control->geometry();
        if (target.bottom() > shown.bottom() || target.top() < shown.top())
            pressGroove(page.verticalScrollBar(), target.bottom() > shown.bottom());
        else
            pressGroove(page.horizontalScrollBar(), target.right() > shown.right());
    }
    QWidget *frame = page.window();
    return frame->childAt(control->mapTo(frame, control->rect().center()));
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
            QCOMPARE(page.surface()->size(), page.surface()->pageSize());
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

    // The frame opens within the screen's available area, smaller than its design;
    // every button of every page can be scrolled to and is what the mouse finds there.
    void everyButtonIsWithinReachOfTheMouse()
    {
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(available.size(), QSize(512, 384));
        forEveryPage([&](PageWindow &page) {
            QVERIFY(available.contains(page.window()->frameGeometry()));
            QVERIFY(page.isMaximized());
            QVERIFY(page.verticalScrollBar()->isVisible() && page.horizontalScrollBar()->isVisible());
            for (QPushButton *button : page.buttonsInTabOrder())
                QVERIFY2(scrollToAndPoint(page, button) == button,
                         qPrintable(page.pageName() + '/' + button->objectName()));
            QCOMPARE(page.verticalScrollBar()->maximum() + page.shownPart().height(), page.surface()->pageSize().height());
        });
    }

    void sortirOnTheHomePageEndsTheProgram()
    {
        Program program;
        PageWindow &home = program.open(PageName::Home);
        QPushButton &sortir = home.button("cmdSortir");
        QVERIFY(!home.shownPart().contains(sortir.geometry()));
        QWidget *found = scrollToAndPoint(home, &sortir);
        QCOMPARE(found, &sortir);
        QTest::mouseClick(found, Qt::LeftButton);
        QCOMPARE(program.quitRequests, 1);
    }

    // Tab reaches every button too, each scrolled into view as it takes the focus;
    // the page opens at its top left corner all the same.
    void aButtonReachedWithTheKeyboardIsScrolledIntoView()
    {
        Program program;
        program.navigator.openComponentPage("frmValvula42");
        PageWindow &page = program.open("frmValvula42");
        QVERIFY(QTest::qWaitForWindowActive(program.navigator.frame()));
        QCOMPARE(page.shownPart().topLeft(), QPoint(0, 0));
        const QList<QPushButton *> buttons = page.buttonsInTabOrder();
        QCOMPARE(QApplication::focusWidget(), buttons.first());
        for (QPushButton *button : buttons.mid(1)) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), button);
            QVERIFY2(page.shownPart().contains(button->geometry()), qPrintable(button->objectName()));
        }
    }
};

int main(int argc, char **argv)
{
    prepareTestEnvironment();
    qputenv("QT_SCALE_FACTOR", "2");
    // The offscreen platform reads its screens from a file.
    const QString screens = QDir::temp().filePath(QStringLiteral("ventiro-high-density-%1.json").arg(QCoreApplication::applicationPid()));
    QFile file(screens);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(R"({"screens": [{"name": "small", "width": 1024, "height": 768, "logicalDpi": 96}]})") < 0)
        qFatal("cannot write %s", qPrintable(screens));
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.toLocal8Bit());
    int result = 0;
    {
        QApplication app(argc, argv);
        installFontSubstitutions();
        HighDensityTest test;
        result = QTest::qExec(&test, argc, argv);
    }
    QFile::remove(screens);
    return result;
}

#include "test_high_density.moc"
