// Measures what a user waits for and what the program costs while it runs:
// opening each page, a tick, start-up against a bare window, the heap after many
// openings, and the processor time of a page with both animations running.
// Prints one table. Runs on the offscreen platform unless QT_QPA_PLATFORM is set.
//
//   ventiro-bench [--rounds N] [--cpu-seconds S]
#include "Clock.h"
#include "Fonts.h"
#include "MainFrame.h"
#include "MainFrameDescription.h"
#include "Navigator.h"
#include "PagePainting.h"
#include "PageRegistry.h"
#include "PageWindow.h"
#include "ProgramSetup.h"
#include "Pictures.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProcess>
#include <QTimer>
#include <QTranslator>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <map>
#include <sys/resource.h>

namespace {

// The real clock, or a fixed moment while ticks are being measured.
class BenchClock final : public Clock {
public:
    QDateTime now() const override { return m_fixed.isValid() ? m_fixed : QDateTime::currentDateTime(); }
    void fix(const QDateTime &moment) { m_fixed = moment; }
    void release() { m_fixed = {}; }

private:
    QDateTime m_fixed;
};

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double milliseconds(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// What the event loop does after an event: windows closed are deleted, layouts
// settle and the changed areas are painted.
void finishEvent()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::sendPostedEvents();
}

void waitUntilExposed(QWidget *window)
{
    QElapsedTimer waited;
    waited.start();
    while (!(window->windowHandle() && window->windowHandle()->isExposed()) && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// Counts the area painted in the window while it is installed.
class PaintedArea final : public QObject {
public:
    qint64 area = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            for (const QRect &rect : static_cast<QPaintEvent *>(event)->region())
                area += qint64(rect.width()) * rect.height();
        return false;
    }
};

struct PageTimes {
    double first = 0;
    std::vector<double> open, reopen, tick;
    qint64 tickArea = 0;
};

class Bench {
public:
    Bench() : m_navigator(m_clock, [] {}) {}

    void start()
    {
        m_navigator.startUp();
        waitUntilExposed(m_navigator.frame());
        finishEvent();
    }

    void pressHomePicture(const QString &page)
    {
        const QString image = imageFor(page);
        PageWindow *home = m_navigator.openWindow(PageName::Home);
        const QPointF at = pixelRect(home->image(image).rect).center();
        QMouseEvent press(QEvent::MouseButtonPress, at, home->surface()->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(home->surface(), &press);
    }

    void goHome()
    {
        const QStringList open = m_navigator.openPages();
        if (open.isEmpty())
            m_navigator.showPage(PageName::Home);
        else if (open.first() != PageName::Home)
            m_navigator.returnHome(open.first());
        finishEvent();
    }

    // From the home page, by its picture: build, Load, decode, first paint.
    double openFromHome(const QString &page)
    {
        goHome();
        QElapsedTimer timer;
        timer.start();
        pressHomePicture(page);
        finishEvent();
        const double elapsed = milliseconds(timer);
        checkPainted(page);
        return elapsed;
    }

    // The page closed with its own close command, then chosen again from the menu.
    double reopen(const QString &page)
    {
        m_navigator.openWindow(page)->close();
        finishEvent();
        QElapsedTimer timer;
        timer.start();
        m_navigator.frame()->menuAction(menuFor(page))->trigger();
        finishEvent();
        const double elapsed = milliseconds(timer);
        checkPainted(page);
        return elapsed;
    }

    // One tick of the page's first channel, from the timer event to the repaint.
    double tick(const QString &page, int second, qint64 *area)
    {
        PageWindow *window = m_navigator.openWindow(page);
        QTimer &timer = window->timer(QStringLiteral("tmrRellotge"));
        if (!timer.isActive())
            timer.start();
        m_clock.fix(QDateTime(QDate(2026, 3, 14), QTime(10, 41, second)));
        PaintedArea painted;
        for (QWidget *widget : window->findChildren<QWidget *>())
            widget->installEventFilter(&painted);
        QElapsedTimer elapsed;
        elapsed.start();
        QTimerEvent event(timer.timerId());
        QCoreApplication::sendEvent(&timer, &event);
        finishEvent();
        const double cost = milliseconds(elapsed);
        m_clock.release();
        *area = painted.area;
        return cost;
    }

    std::map<QString, PageTimes> pageTimes(int rounds)
    {
        std::map<QString, PageTimes> times;
        const QStringList pages = componentPagesInRegistryOrder();
        for (const QString &page : pages)
            times[page].first = openFromHome(page);
        for (int round = 0; round < rounds; ++round)
            for (const QString &page : pages) {
                PageTimes &t = times[page];
                t.open.push_back(openFromHome(page));
                t.reopen.push_back(reopen(page));
                qint64 area = 0;
                t.tick.push_back(tick(page, round, &area));
                t.tickArea = std::max(t.tickArea, area);
            }
        goHome();
        return times;
    }

    // Heap in use after the 2nd and the last of `rounds` rounds of opening every
    // page from the home page and returning.
    std::pair<qint64, qint64> heap(int rounds)
    {
        qint64 afterSecond = 0;
        for (int round = 1; round <= rounds; ++round) {
            for (const QString &page : componentPagesInRegistryOrder()) {
                pressHomePicture(page);
                finishEvent();
                goHome();
            }
            if (round == 2)
                afterSecond = qint64(mallinfo2().uordblks);
        }
        return {afterSecond, qint64(mallinfo2().uordblks)};
    }

    // Processor time, as a share of one core, of a two-animation page with both
    // channels running on the real clock and timers.
    double cpuShare(int seconds)
    {
        const QString page = QStringLiteral("frmReguladora");
        goHome();
        pressHomePicture(page);
        finishEvent();
        PageWindow *window = m_navigator.openWindow(page);
        window->button(QStringLiteral("cmdSimularReguladora")).click();
        window->button(QStringLiteral("cmdSimularCirReguladora")).click();
        rusage before{}, after{};
        getrusage(RUSAGE_SELF, &before);
        QElapsedTimer wall;
        wall.start();
        QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
        getrusage(RUSAGE_SELF, &after);
        auto cpu = [](const rusage &usage) {
            return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                   double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        };
        return (cpu(after) - cpu(before)) / (double(wall.elapsed()) / 1000.0);
    }

private:
    static QString menuFor(const QString &page)
    {
        for (const auto &[menu, target] : menuCommands())
            if (target == page)
                return menu;
        return {};
    }

    QString imageFor(const QString &page)
    {
        if (m_images.empty()) {
            // Learned once by pressing each picture.
            for (const HandlerBinding &binding : findRegistryEntry(PageName::Home)->content().handlers) {
                if (binding.event != PageEvent::MouseDown)
                    continue;
                goHome();
                m_navigator.dispatch(PageName::Home, binding.control, PageEvent::MouseDown);
                m_images[m_navigator.openPages().value(0)] = binding.control;
            }
            goHome();
        }
        return m_images.at(page);
    }

    void checkPainted(const QString &page)
    {
        PageWindow *window = m_navigator.openWindow(page);
        for (FrameBox *box : window->frameBoxes())
            if (box->isPictureDecoded())
                return;
        std::fprintf(stderr, "ventiro-bench: %s was not painted\n", qUtf8Printable(page));
        std::exit(1);
    }

    BenchClock m_clock;
    Navigator m_navigator;
    std::map<QString, QString> m_images;
};

// Start-up of one kind, in a process of its own: from entering main to the first
// paint of the home page (or of a bare main window's MDI area).
int startUpChild(const QString &kind, const QElapsedTimer &sinceMain, QApplication &app)
{
    double painted = -1;
    struct FirstPaint final : QObject {
        double *painted;
        const QElapsedTimer *since;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint && *painted < 0) {
                *painted = 0;  // marked now, timed once the paint is done
                QTimer::singleShot(0, qApp, [this] {
                    *painted = milliseconds(*since);
                    qApp->quit();
                });
            }
            return false;
        }
    } firstPaint;
    firstPaint.painted = &painted;
    firstPaint.since = &sinceMain;

    QTranslator toolkitTexts;
    std::unique_ptr<QMainWindow> bare;
    std::unique_ptr<Navigator> navigator;
    SystemClock clock;
    if (kind == QStringLiteral("ventiro")) {
        setUpProgram(toolkitTexts);  // as the program's main does
        navigator = std::make_unique<Navigator>(clock, [] {});
        navigator->startUp();
        navigator->openWindow(PageName::Home)->surface()->installEventFilter(&firstPaint);
    } else {
        bare = std::make_unique<QMainWindow>();
        for (const MenuItemRecord &item : mainFrameDescription().menu)
            bare->menuBar()->addMenu(item.caption);
        auto *area = new QMdiArea;
        bare->setCentralWidget(area);
        bare->resize(792, 744);
        area->viewport()->installEventFilter(&firstPaint);
        bare->show();
    }
    app.exec();
    std::printf("%.3f\n", painted);
    return 0;
}

double startUpMedian(const QString &program, const QString &kind, int runs, std::vector<double> *all)
{
    for (int run = 0; run < runs; ++run) {
        QProcess child;
        child.start(program, {QStringLiteral("--startup"), kind});
        child.waitForFinished(30000);
        all->push_back(child.readAllStandardOutput().trimmed().toDouble());
    }
    return median(*all);
}

}  // namespace

int main(int argc, char **argv)
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "96");
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    auto option = [&arguments](const QString &name, int fallback) {
        const qsizetype at = arguments.indexOf(name);
        return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1].toInt() : fallback;
    };
    if (arguments.size() > 2 && arguments[1] == QStringLiteral("--startup"))
        return startUpChild(arguments[2], sinceMain, app);
    const int rounds = option(QStringLiteral("--rounds"), 100);
    const int cpuSeconds = option(QStringLiteral("--cpu-seconds"), 60);

    // Start-up first, while this process is idle: alternate the two kinds.
    std::vector<double> ventiroStarts, bareStarts;
    for (int pair = 0; pair < 11; ++pair) {
        startUpMedian(app.applicationFilePath(), QStringLiteral("bare"), 1, &bareStarts);
        startUpMedian(app.applicationFilePath(), QStringLiteral("ventiro"), 1, &ventiroStarts);
    }

    installFontSubstitutions();
    Bench bench;
    bench.start();
    const std::map<QString, PageTimes> times = bench.pageTimes(21);
    const auto [heapAfterSecond, heapAfterLast] = bench.heap(rounds);
    const double cpu = bench.cpuShare(cpuSeconds);

    std::printf("| Page | first opening (ms) | open from home, median (ms) | reopen, median (ms) | tick, median (ms) | tick repaints (px) |\n");
    std::printf("|---|---:|---:|---:|---:|---:|\n");
    for (const QString &page : componentPagesInRegistryOrder()) {
        const PageTimes &t = times.at(page);
        std::printf("| `%s` | %.2f | %.2f | %.2f | %.3f | %lld |\n", qUtf8Printable(page), t.first, median(t.open),
                    median(t.reopen), median(t.tick), (long long)t.tickArea);
    }
    const double ventiro = median(ventiroStarts), bare = median(bareStarts);
    std::printf("\n| Measure | Value |\n|---|---:|\n");
    std::printf("| start-up to the first painted home page, median of 11 (ms) | %.1f |\n", ventiro);
    std::printf("| start-up of a bare main window with menu bar and MDI area, median of 11 (ms) | %.1f |\n", bare);
    std::printf("| start-up ratio | %.2f |\n", ventiro / bare);
    std::printf("| heap in use after round 2 / round %d (kB) | %lld / %lld |\n", rounds,
                (long long)heapAfterSecond / 1024, (long long)heapAfterLast / 1024);
    std::printf("| heap growth from round 2 to round %d (kB) | %+lld |\n", rounds,
                (long long)(heapAfterLast - heapAfterSecond) / 1024);
    QFile loadAverage(QStringLiteral("/proc/loadavg"));
    if (loadAverage.open(QIODevice::ReadOnly))
        std::printf("| machine: %d cores, load average at the end (1, 5, 15 min) | %s |\n", QThread::idealThreadCount(),
                    loadAverage.readAll().split(' ').mid(0, 3).join(", ").constData());
    std::printf("| processor time over %d s, both channels of `frmReguladora` running (%% of one core) | %.3f |\n",
                cpuSeconds, cpu * 100);
    return 0;
}
