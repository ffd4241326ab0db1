// SPDX-License-Identifier: GPL-3.0-or-later
// Measures what a user waits for and what the program costs while it runs:
// opening each page (the first time, as a user meets it, and again), a tick,
// start-up against a bare window, the heap after many openings, and the processor
// time of a page with both animations running. Prints its tables for every core the
// process may use, then those of a copy of itself held to one core. Runs on the
// offscreen platform unless QT_QPA_PLATFORM is set.
//
//   ventiro-bench [--rounds N] [--cpu-seconds S]   the full run
//   ventiro-bench --quick                          a short run that checks its own tables
//   ventiro-bench --one-core [...]                 only the run held to one core
//   ventiro-bench --show bare|bare-home            a bare window, left open (timed from outside)
#include "Clock.h"
#include "Fonts.h"
#include "MainFrame.h"
#include "MainFrameDescription.h"
#include "Median.h"
#include "Navigator.h"
#include "PagePainting.h"
#include "PageRegistry.h"
#include "PageWindow.h"
#include "ProgramSetup.h"
#include "PictureCatalogue.h"
#include "Pictures.h"
#include "SystemColours.h"
#include "WarmUp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QTranslator>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <malloc.h>
#include <map>
#include <sched.h>
#include <sys/resource.h>

namespace {

// How long a user looks at the home page before the first click can arrive: the
// time from the first paint to the first opening measured. A person needs longer
// just to see the page and react, before moving the pointer to a picture.
constexpr int LookingMs = 200;

// The real clock, or a fixed moment while ticks are being measured.
class BenchClock final : public Clock {
public:
    QDateTime now() const override { return m_fixed.isValid() ? m_fixed : QDateTime::currentDateTime(); }
    void fix(const QDateTime &moment) { m_fixed = moment; }
    void release() { m_fixed = {}; }

private:
    QDateTime m_fixed;
};

bool medianIsRight()
{
    return median({3, 1, 2}) == 2 && median({4, 1, 3, 2}) == 2.5 && median({7}) == 7 && median({}) == 0;
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

// Runs `painted` once the widget's first paint is done and on the screen (the
// event loop's next pass, after the window's contents are flushed).
class FirstPaint final : public QObject {
public:
    explicit FirstPaint(std::function<void()> painted) : m_painted(std::move(painted)) {}
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, qApp, m_painted);
        }
        return false;
    }

private:
    std::function<void()> m_painted;
    bool m_seen = false;
};

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
    std::vector<double> open, reopen, tick;
    qint64 tickArea = 0;
};

class Bench {
public:
    Bench() : m_navigator(m_clock, [] {}) {}

    Navigator &navigator() { return m_navigator; }

    void start()
    {
        m_navigator.startUp();
        waitUntilExposed(m_navigator.frame());
        finishEvent();
    }

    // As the program starts for a user: the home page's first paint, then the
    // event loop running while the user looks at it. Returns the time from the
    // first paint to the end of the warm-up, or -1 if it had not ended by then.
    double startAsUser()
    {
        QEventLoop looking;
        QElapsedTimer sincePaint;
        double warmedUp = -1;
        QObject::connect(&m_navigator.warmUp(), &WarmUp::finished, &looking,
                [&] { warmedUp = sincePaint.isValid() ? milliseconds(sincePaint) : 0; });
        FirstPaint firstPaint([&] {
            sincePaint.start();
            QTimer::singleShot(LookingMs, &looking, &QEventLoop::quit);
        });
        m_navigator.startUp();
        m_navigator.openWindow(PageName::Home)->surface()->installEventFilter(&firstPaint);
        looking.exec();
        return warmedUp;
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

    // The home page's picture that opens the page.
    QString imageFor(const QString &page)
    {
        for (const ControlRecord &control : findRegistryEntry(PageName::Home)->content().description.controls)
            if (const auto *image = std::get_if<ImageRecord>(&control); image && image->target == page)
                return image->name;
        std::fprintf(stderr, "ventiro-bench: no picture on the home page opens %s\n", qUtf8Printable(page));
        std::exit(1);
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
};

// The home page drawn with the toolkit's plain calls: the texts of its labels in
// their fonts, its pictures decoded as they are painted, its button. What any
// program showing that page must draw, without the program's own machinery.
class PlainHomePage final : public QWidget {
public:
    PlainHomePage() : m_page(findRegistryEntry(PageName::Home)->content().description)
    {
        for (const ControlRecord &control : m_page.controls)
            if (const auto *button = std::get_if<ButtonRecord>(&control))
                (new QPushButton(button->caption, this))->setGeometry(pixelRect(button->rect));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), resolveColour(m_page.background));
        for (auto control = m_page.controls.crbegin(); control != m_page.controls.crend(); ++control) {
            if (const auto *label = std::get_if<LabelRecord>(&*control)) {
                painter.fillRect(pixelRect(label->rect), resolveColour(label->background));
                painter.setFont(labelFont(*label));
                painter.setPen(resolveColour(label->foreground));
                painter.drawText(pixelRect(label->rect), Qt::TextWordWrap, label->caption);
            } else if (const auto *image = std::get_if<ImageRecord>(&*control)) {
                painter.drawImage(pixelRect(image->rect).topLeft(), QImage(QStringLiteral(":/pictures/") + image->picture));
            }
        }
    }

private:
    PageDescription m_page;
};

// A bare main window with the program's menu bar and a workspace (`bare`), or with
// the home page drawn plainly in a maximized window in it (`bare-home`). Returns
// the widget whose first paint ends its start-up.
QWidget *makeBareWindow(const QString &kind, std::unique_ptr<QMainWindow> &window)
{
    window = std::make_unique<QMainWindow>();
    for (const MenuItemRecord &item : mainFrameDescription().menu)
        window->menuBar()->addMenu(item.caption);
    auto *area = new QMdiArea;
    window->setCentralWidget(area);
    window->resize(792, 744);
    QWidget *painted = area->viewport();
    if (kind == QStringLiteral("bare-home")) {
        auto *home = new PlainHomePage;
        QMdiSubWindow *sub = area->addSubWindow(home);
        sub->setWindowIcon(QIcon(QStringLiteral(":/pictures/") + iconPictureName(PageName::Home)));
        sub->showMaximized();
        painted = home;
    }
    window->show();
    return painted;
}

// Start-up of one kind, in a process of its own: from entering main to the first
// paint of the home page (or of a bare window).
int startUpChild(const QString &kind, const QElapsedTimer &sinceMain, QApplication &app)
{
    double painted = -1;
    FirstPaint firstPaint([&] {
        painted = milliseconds(sinceMain);
        qApp->quit();
    });
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
        makeBareWindow(kind, bare)->installEventFilter(&firstPaint);
    }
    app.exec();
    std::printf("%.3f\n", painted);
    return 0;
}

// A bare window left open until the process is ended, for timing from outside.
int showChild(const QString &kind, QApplication &app)
{
    std::unique_ptr<QMainWindow> bare;
    makeBareWindow(kind, bare);
    return app.exec();
}

// The first pages a user opens, in a process of its own: the program starts as for
// a user, its home page is looked at for LookingMs, then each page's picture is
// pressed in turn (each opening that page's first). Prints one line a page: the
// opening, and how long the warm-up took after the first paint.
int firstOpeningChild(const QStringList &pages)
{
    QTranslator toolkitTexts;
    setUpProgram(toolkitTexts);
    Bench bench;
    const double warmUp = bench.startAsUser();
    for (const QString &page : pages)
        std::printf("%.3f %.3f\n", bench.openFromHome(page), warmUp);
    return 0;
}

// Runs this program again with `arguments`, each line of its output split into numbers.
QList<QList<double>> runChild(const QStringList &arguments)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(60000) || child.exitCode() != 0) {
        std::fprintf(stderr, "ventiro-bench: %s failed\n", qUtf8Printable(arguments.join(u' ')));
        std::exit(1);
    }
    QList<QList<double>> lines;
    for (const QByteArray &line : child.readAllStandardOutput().trimmed().split('\n')) {
        QList<double> numbers;
        for (const QByteArray &number : line.simplified().split(' '))
            numbers.append(number.toDouble());
        lines.append(numbers);
    }
    return lines;
}

struct Options {
    int rounds = 100;       // of opening all pages, for the heap
    int cpuSeconds = 60;    // of both animations running
    int pageRounds = 21;    // openings of each page, for the medians
    int firstSamples = 3;   // fresh processes for each page's first opening; 0: one for all pages
    int startUps = 15;      // of each kind, alternated
    bool quick = false;
    bool oneCore = false;
};

QString measure(const Options &options)
{
    // Start-up and the first openings first, each in a process of its own.
    std::vector<double> ventiroStarts, bareStarts, bareHomeStarts;
    for (int run = 0; run < options.startUps; ++run) {
        bareStarts.push_back(runChild({QStringLiteral("--startup"), QStringLiteral("bare")})[0][0]);
        ventiroStarts.push_back(runChild({QStringLiteral("--startup"), QStringLiteral("ventiro")})[0][0]);
        bareHomeStarts.push_back(runChild({QStringLiteral("--startup"), QStringLiteral("bare-home")})[0][0]);
    }
    const QStringList pages = componentPagesInRegistryOrder();
    std::map<QString, std::vector<double>> firstOpenings;
    std::vector<double> warmUps;
    auto firstOpening = [&](const QStringList &inTurn) {
        const QList<QList<double>> results = runChild(QStringList{QStringLiteral("--first-opening")} + inTurn);
        for (qsizetype i = 0; i < inTurn.size(); ++i) {
            firstOpenings[inTurn[i]].push_back(results.value(i).value(0));
            warmUps.push_back(results.value(i).value(1));
        }
    };
    if (options.firstSamples == 0)
        firstOpening(pages);
    for (int sample = 0; sample < options.firstSamples; ++sample)
        for (const QString &page : pages)
            firstOpening({page});

    installFontSubstitutions();
    Bench bench;
    bench.start();
    const std::map<QString, PageTimes> times = bench.pageTimes(options.pageRounds);
    const auto [heapAfterSecond, heapAfterLast] = bench.heap(options.rounds);
    const double cpu = bench.cpuShare(options.cpuSeconds);

    QString out;
    auto print = [&out](const QString &line) { out += line + u'\n'; };
    print(QStringLiteral("| Page | first opening, %3 ms after start-up's first paint, %1 (ms) | open from home, median of %2 (ms) | "
                         "reopen, median of %2 (ms) | tick, median of %2 (ms) | tick repaints (px) |")
              .arg(options.firstSamples ? QStringLiteral("median of %1 processes").arg(options.firstSamples)
                                        : QStringLiteral("all in one process"))
              .arg(options.pageRounds)
              .arg(LookingMs));
    print(QStringLiteral("|---|---:|---:|---:|---:|---:|"));
    for (const QString &page : pages) {
        const PageTimes &t = times.at(page);
        print(QStringLiteral("| `%1` | %2 | %3 | %4 | %5 | %6 |")
                  .arg(page)
                  .arg(median(firstOpenings.at(page)), 0, 'f', 2)
                  .arg(median(t.open), 0, 'f', 2)
                  .arg(median(t.reopen), 0, 'f', 2)
                  .arg(median(t.tick), 0, 'f', 3)
                  .arg(t.tickArea));
    }
    const double ventiro = median(ventiroStarts), bare = median(bareStarts), bareHome = median(bareHomeStarts);
    const int n = options.startUps;
    print(QString());
    print(QStringLiteral("| Measure | Value |\n|---|---:|"));
    print(QStringLiteral("| start-up to the first painted home page, median of %1 (ms) | %2 |").arg(n).arg(ventiro, 0, 'f', 1));
    print(QStringLiteral("| start-up of a bare main window with the menu bar and a workspace, median of %1 (ms) | %2 |")
              .arg(n).arg(bare, 0, 'f', 1));
    print(QStringLiteral("| start-up ratio to the bare window | %1 |").arg(ventiro / bare, 0, 'f', 2));
    print(QStringLiteral("| start-up of the bare window drawing the home page's texts and pictures, median of %1 (ms) | %2 |")
              .arg(n).arg(bareHome, 0, 'f', 1));
    print(QStringLiteral("| start-up ratio to the bare window drawing the same | %1 |").arg(ventiro / bareHome, 0, 'f', 2));
    const auto unfinished = std::count(warmUps.begin(), warmUps.end(), -1.0);
    print(QStringLiteral("| warm-up, from the first paint to its end, median (ms) | %1 |")
              .arg(unfinished ? QStringLiteral("unfinished in %1 of %2").arg(unfinished).arg(warmUps.size())
                              : QString::number(median(warmUps), 'f', 1)));
    print(QStringLiteral("| heap in use after round 2 / round %1 (kB) | %2 / %3 |")
              .arg(options.rounds).arg(heapAfterSecond / 1024).arg(heapAfterLast / 1024));
    print(QStringLiteral("| heap growth from round 2 to round %1 (kB) | %2%3 |")
              .arg(options.rounds)
              .arg(heapAfterLast >= heapAfterSecond ? QStringLiteral("+") : QString())
              .arg((heapAfterLast - heapAfterSecond) / 1024));
    QFile loadAverage(QStringLiteral("/proc/loadavg"));
    if (loadAverage.open(QIODevice::ReadOnly))
        print(QStringLiteral("| load average at the end (1, 5, 15 min) | %1 |")
                  .arg(QString::fromLatin1(loadAverage.readAll().split(' ').mid(0, 3).join(", "))));
    print(QStringLiteral("| processor time over %1 s, both channels of `frmReguladora` running (% of one core) | %2 |")
              .arg(options.cpuSeconds).arg(cpu * 100, 0, 'f', 3));
    return out;
}

// The figures of the page and measure tables, each checked to be a number in range:
// every page has its row, and nothing is zero, negative or absurd.
QStringList checkTables(const QString &tables)
{
    QStringList problems;
    const QStringList lines = tables.split(u'\n');
    auto cells = [](const QString &line) {
        QStringList all = line.split(u'|');
        return all.mid(1, all.size() - 2);
    };
    auto inRange = [](const QString &cell, double low, double high) {
        bool ok = false;
        const double value = cell.trimmed().toDouble(&ok);
        return ok && std::isfinite(value) && value > low && value < high;
    };
    for (const QString &page : componentPagesInRegistryOrder()) {
        const QString start = QStringLiteral("| `%1` |").arg(page);
        const auto row = std::find_if(lines.begin(), lines.end(), [&](const QString &line) { return line.startsWith(start); });
        if (row == lines.end()) {
            problems << QStringLiteral("no row for %1").arg(page);
            continue;
        }
        const QStringList figures = cells(*row);
        if (figures.size() != 6)
            problems << QStringLiteral("the row of %1 has %2 cells").arg(page).arg(figures.size());
        for (int i = 1; i < std::min<int>(figures.size(), 5); ++i)
            if (!inRange(figures[i], 0, 1000))
                problems << QStringLiteral("%1: %2 ms").arg(page, figures[i].trimmed());
        if (figures.size() == 6 && !inRange(figures[5], 0, 1e7))
            problems << QStringLiteral("%1: a tick repaints %2 px").arg(page, figures[5].trimmed());
    }
    for (const QString &line : lines) {
        const QStringList measure = cells(line);
        if (measure.size() != 2 || !line.startsWith(QStringLiteral("| start-up")))
            continue;
        if (!inRange(measure[1], 0, line.contains(QStringLiteral("ratio")) ? 10 : 10000))
            problems << QStringLiteral("%1: %2").arg(measure[0].trimmed(), measure[1].trimmed());
    }
    return problems;
}

// Holds this process, and everything it starts, to the first core it may use.
bool holdToOneCore()
{
    cpu_set_t allowed;
    if (sched_getaffinity(0, sizeof allowed, &allowed) != 0)
        return false;
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu)
        if (CPU_ISSET(cpu, &allowed)) {
            cpu_set_t one;
            CPU_ZERO(&one);
            CPU_SET(cpu, &one);
            return sched_setaffinity(0, sizeof one, &one) == 0;
        }
    return false;
}

int coresAllowed()
{
    cpu_set_t allowed;
    return sched_getaffinity(0, sizeof allowed, &allowed) == 0 ? CPU_COUNT(&allowed) : 0;
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
    Options options;
    for (int i = 1; i < argc; ++i) {
        options.quick |= std::strcmp(argv[i], "--quick") == 0;
        options.oneCore |= std::strcmp(argv[i], "--one-core") == 0;
    }
    // Before the application, so that every thread it starts is held too.
    if (options.oneCore && !holdToOneCore()) {
        std::fprintf(stderr, "ventiro-bench: cannot hold the process to one core\n");
        return 1;
    }
    QApplication app(argc, argv);
    QStringList arguments = app.arguments();
    if (options.oneCore)
        arguments.removeAll(QStringLiteral("--one-core"));
    if (arguments.size() > 2 && arguments[1] == QStringLiteral("--startup"))
        return startUpChild(arguments[2], sinceMain, app);
    if (arguments.size() > 2 && arguments[1] == QStringLiteral("--first-opening"))
        return firstOpeningChild(arguments.mid(2));
    if (arguments.size() > 2 && arguments[1] == QStringLiteral("--show"))
        return showChild(arguments[2], app);
    auto option = [&arguments](const QString &name, int fallback) {
        const qsizetype at = arguments.indexOf(name);
        return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1].toInt() : fallback;
    };
    if (options.quick) {
        options = {.rounds = 2, .cpuSeconds = 1, .pageRounds = 1, .firstSamples = 0, .startUps = 1,
                   .quick = true, .oneCore = options.oneCore};
        if (!medianIsRight()) {
            std::fprintf(stderr, "ventiro-bench: the median of an odd or an even count is wrong\n");
            return 1;
        }
    }
    options.rounds = option(QStringLiteral("--rounds"), options.rounds);
    options.cpuSeconds = option(QStringLiteral("--cpu-seconds"), options.cpuSeconds);

    const int cores = coresAllowed();
    const QString tables = measure(options);
    std::printf("%s (%d %s)\n\n%s", options.oneCore ? "One core" : "Every core", cores, cores == 1 ? "core" : "cores",
                qUtf8Printable(tables));
    std::fflush(stdout);
    if (options.quick) {
        const QStringList problems = checkTables(tables);
        for (const QString &problem : problems)
            std::fprintf(stderr, "ventiro-bench: %s\n", qUtf8Printable(problem));
        if (!problems.isEmpty())
            return 1;
    }
    if (options.oneCore)
        return 0;
    // The same run again, held to one core, as on a slow machine.
    QStringList again = arguments.mid(1);
    again.append(QStringLiteral("--one-core"));
    QProcess oneCore;
    oneCore.setProcessChannelMode(QProcess::ForwardedChannels);
    oneCore.start(QCoreApplication::applicationFilePath(), again);
    oneCore.waitForFinished(-1);
    std::printf("\n");
    return oneCore.exitStatus() == QProcess::NormalExit ? oneCore.exitCode() : 1;
}
