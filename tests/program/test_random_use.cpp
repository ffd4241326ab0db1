// SPDX-License-Identifier: GPL-3.0-or-later
// A long, seeded run of random use against the real navigator and pages: menu
// commands, presses on the home page's pictures with any mouse button, every start,
// stop and exit button, a page's own window commands, frame resizes, and ticks from
// a clock that repeats, skips and jumps. After every event the program is checked
// against the navigation invariants and a small model of the tick and Load rules.
// Built with the sanitizers as well (preset "asan"), where any report fails it.
//
// VENTIRO_RANDOM_SEED replays a seed; VENTIRO_RANDOM_EVENTS sets the length.
#include "TestSupport.h"

#include "ComponentPages.h"
#include "MainFrameDescription.h"
#include "PagePainting.h"
#include "PageRegistry.h"
#include "Pictures.h"

#include <QMdiArea>
#include <deque>
#include <map>
#include <random>
#include <set>

namespace {

// A clock the run moves on: by nothing, by a second, by several, or far in
// either direction.
class SteppingClock final : public Clock {
public:
    QDateTime now() const override { return m_now; }
    void advance(qint64 seconds) { m_now = m_now.addSecs(seconds); }

private:
    QDateTime m_now{QDate(2026, 3, 14), QTime(10, 41, 0), Qt::UTC};
};

// One animation channel of a page as the model sees it.
struct ChannelFacts {
    QString array;
    QString timer;
    int frames = 0;
    std::set<int> describedVisible;
};

// What the model knows of a page from its description alone.
struct PageFacts {
    QString name;
    bool home = false;
    std::vector<ChannelFacts> channels;
    std::map<QString, bool> describedTimers;  // timer -> enabled in the description
    std::map<QString, std::pair<QString, bool>> channelButtons;  // button -> its timer, and whether it starts it
    int pictures = 0;                         // frames and images
};

PageFacts factsOf(const QString &page)
{
    const PageDescription description = findRegistryEntry(page)->content().description;
    PageFacts facts{.name = page, .home = page == PageName::Home};
    std::map<QString, ChannelFacts> arrays;
    std::map<QString, QString> timerOf;  // frame array -> the timer its channel names
    for (const ChannelRecord &channel : description.channels) {
        timerOf[channel.frameArray] = channel.timer;
        if (!channel.startButton.isEmpty())
            facts.channelButtons[channel.startButton] = {channel.timer, true};
        if (!channel.stopButton.isEmpty())
            facts.channelButtons[channel.stopButton] = {channel.timer, false};
    }
    for (const ControlRecord &record : description.controls) {
        if (const auto *box = std::get_if<PictureBoxRecord>(&record)) {
            ++facts.pictures;
            if (!box->index)
                continue;
            ChannelFacts &channel = arrays[box->name];
            channel.array = box->name;
            channel.timer = timerOf.at(box->name);
            ++channel.frames;
            if (box->visible)
                channel.describedVisible.insert(*box->index);
        } else if (std::holds_alternative<ImageRecord>(record)) {
            ++facts.pictures;
        } else if (const auto *timer = std::get_if<TimerRecord>(&record)) {
            facts.describedTimers[timer->name] = timer->enabled;
        }
    }
    for (auto &[name, channel] : arrays)
        facts.channels.push_back(channel);
    return facts;
}

// The model: stored frames of every page (they outlive the window), and for the
// open page its visible frames and running timers.
struct Model {
    std::map<QString, std::map<QString, std::optional<int>>> stored;  // page -> array -> frame
    QString openPage;                                                 // empty: no page
    std::map<QString, std::set<int>> visible;                         // array -> frames
    std::map<QString, bool> running;                                  // timer -> enabled
    int quitRequests = 0;

    void load(const PageFacts &page)
    {
        openPage = page.name;
        visible.clear();
        running = page.describedTimers;
        for (const ChannelFacts &channel : page.channels) {
            visible[channel.array] = channel.describedVisible;
            if (!page.home)
                visible[channel.array].insert(0);  // Load shows frame 0
        }
        if (page.channels.size() == 2)  // a two-animation page opens with both stopped
            for (auto &[timer, enabled] : running)
                enabled = false;
    }

    void tick(const ChannelFacts &channel, int second)
    {
        std::optional<int> &frame = stored[openPage][channel.array];
        visible[channel.array].erase(frame.value_or(0));
        frame = second % channel.frames;
        visible[channel.array].insert(*frame);
    }
};

}  // namespace

class RandomUseTest final : public QObject {
    Q_OBJECT

private:
    SteppingClock m_clock;
    int m_quitRequests = 0;
    std::unique_ptr<Navigator> m_navigator;
    std::map<QString, PageFacts> m_facts;
    std::map<QString, QString> m_imageTargets;  // home page picture -> the page it opens
    Model m_model;
    std::vector<std::pair<QString, QPointer<QTimer>>> m_timersSeen;
    std::mt19937 m_random;
    std::deque<QString> m_recent;
    bool m_lastWasChoice = false;

    int pick(int count) { return int(m_random() % unsigned(count)); }

    PageWindow *openWindow() const
    {
        return m_model.openPage.isEmpty() ? nullptr : m_navigator->openWindow(m_model.openPage);
    }

    std::map<QString, int> m_counts;

    void note(const QString &event)
    {
        ++m_counts[event.section(u' ', 0, 0)];
        m_recent.push_back(event);
        if (m_recent.size() > 12)
            m_recent.pop_front();
    }

    void openInModel(const QString &page)
    {
        if (m_model.openPage == page)
            return;
        m_model.load(m_facts.at(page));
        if (PageWindow *window = m_navigator->openWindow(page))
            for (QTimer *timer : window->findChildren<QTimer *>())
                m_timersSeen.emplace_back(page, timer);
    }

    void menuCommand()
    {
        const auto commands = menuCommands();
        const auto &[menu, target] = commands[pick(int(commands.size()))];
        note(QStringLiteral("menu %1").arg(menu));
        m_navigator->frame()->menuAction(menu)->trigger();
        openInModel(target);
        m_lastWasChoice = true;
    }

    void pressPicture()
    {
        PageWindow *home = m_navigator->openWindow(PageName::Home);
        if (!home || !home->surface()->isVisible())
            return;
        static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        const Qt::MouseButton button = buttons[pick(3)];
        auto target = m_imageTargets.begin();
        std::advance(target, pick(int(m_imageTargets.size())));
        const QRect rect = pixelRect(home->image(target->first).rect);
        const QPoint at(rect.left() + pick(rect.width()), rect.top() + pick(rect.height()));
        note(QStringLiteral("press %1 with button %2 at %3,%4").arg(target->first).arg(int(button)).arg(at.x()).arg(at.y()));
        QTest::mousePress(home->surface(), button, Qt::NoModifier, at);
        QTest::mouseRelease(home->surface(), button, Qt::NoModifier, at);
        openInModel(target->second);
        m_lastWasChoice = true;
    }

    void clickButton()
    {
        PageWindow *window = openWindow();
        if (!window)
            return;
        const QList<QPushButton *> buttons = window->buttonsInTabOrder();
        QPushButton *button = buttons[pick(int(buttons.size()))];
        if (button->text() == QStringLiteral("&Sortir") && pick(2))
            button = buttons[pick(int(buttons.size()))];  // leave a page a little less often
        if (!button->isVisible())
            return;  // a minimized page shows no buttons
        const QString caption = button->text();
        note(QStringLiteral("click %1 on %2").arg(button->objectName(), m_model.openPage));
        const QString page = m_model.openPage;
        button->click();
        if (caption == QStringLiteral("&Sortir")) {
            if (m_facts.at(page).home)
                ++m_model.quitRequests;  // ending the program is only observed
            else
                openInModel(PageName::Home);
        } else if (const auto found = m_facts.at(page).channelButtons.find(button->objectName());
                   found != m_facts.at(page).channelButtons.end()) {
            m_model.running[found->second.first] = found->second.second;
        } else {
            QFAIL(qPrintable(QStringLiteral("a button the model does not know: %1").arg(caption)));
        }
    }

    void windowCommand()
    {
        PageWindow *window = openWindow();
        if (!window)
            return;
        switch (pick(4)) {
        case 0:
            note(QStringLiteral("close %1").arg(m_model.openPage));
            window->close();
            m_model.openPage.clear();
            m_model.visible.clear();
            m_model.running.clear();
            break;
        case 1:
            note(QStringLiteral("restore %1").arg(m_model.openPage));
            window->showNormal();
            break;
        case 2:
            note(QStringLiteral("minimize %1").arg(m_model.openPage));
            window->showMinimized();
            break;
        default:
            note(QStringLiteral("maximize %1").arg(m_model.openPage));
            window->showMaximized();
            break;
        }
    }

    void resizeFrame()
    {
        const QSize size(200 + pick(1000), 150 + pick(800));
        note(QStringLiteral("resize frame to %1x%2").arg(size.width()).arg(size.height()));
        m_navigator->frame()->resize(size);
    }

    void moveClock()
    {
        // Two ticks in one second, the next second, skipped seconds, and jumps.
        static const qint64 steps[] = {0, 1, 1, 1, 1, 2, 3, 7};
        const int kind = pick(12);
        qint64 seconds = kind < 8 ? steps[kind] : 0;
        if (kind == 8 || kind == 9)
            seconds = -1 - pick(4000);  // backwards
        else if (kind >= 10)
            seconds = 60 + pick(3 * 86400);  // forwards
        m_clock.advance(seconds);
        note(QStringLiteral("clock %1%2 s").arg(seconds >= 0 ? "+" : "").arg(seconds));
    }

    // Delivers the timer events the event loop would: one for each running timer
    // of the open page, in either order.
    void tick()
    {
        moveClock();
        PageWindow *window = openWindow();
        if (!window)
            return;
        QList<QTimer *> timers = window->findChildren<QTimer *>();
        if (pick(2))
            std::reverse(timers.begin(), timers.end());
        for (QTimer *timer : timers) {
            if (!timer->isActive() || pick(5) == 0)  // sometimes only one of them
                continue;
            note(QStringLiteral("tick %1 of %2 at second %3")
                     .arg(timer->objectName(), m_model.openPage)
                     .arg(m_clock.now().time().second()));
            QTimerEvent event(timer->timerId());
            QCoreApplication::sendEvent(timer, &event);
            for (const ChannelFacts &channel : m_facts.at(m_model.openPage).channels)
                if (channel.timer == timer->objectName())
                    m_model.tick(channel, m_clock.now().time().second());
            if (!openWindow())
                return;
        }
    }

    // A tick that reaches a page after it closed must change nothing.
    void strayTick()
    {
        auto page = m_facts.begin();
        std::advance(page, pick(int(m_facts.size())));
        if (page->first == m_model.openPage || page->second.home)
            return;
        note(QStringLiteral("stray tick to %1").arg(page->first));
        for (const ChannelFacts &channel : page->second.channels)
            m_navigator->dispatch(page->first, channel.timer, PageEvent::Timer);
    }

    void paint()
    {
        note(QStringLiteral("paint"));
        m_navigator->frame()->grab();
    }

    void randomEvent()
    {
        m_lastWasChoice = false;
        const int roll = pick(100);
        if (roll < 36)
            tick();
        else if (roll < 56)
            clickButton();
        else if (roll < 68)
            menuCommand();
        else if (roll < 76)
            pressPicture();
        else if (roll < 85)
            windowCommand();
        else if (roll < 90)
            resizeFrame();
        else if (roll < 96)
            strayTick();
        else
            paint();
        // What the event loop does once the event has been handled.
        Program::settle();
        QCoreApplication::sendPostedEvents();
    }

    void checkInvariants()
    {
        MainFrame *frame = m_navigator->frame();
        QVERIFY2(frame && frame->isVisible(), "the frame is open");
        const QStringList open = m_navigator->openPages();
        QVERIFY2(open.size() <= 1, qPrintable(QStringLiteral("open pages: %1").arg(open.join(u' '))));
        QCOMPARE(open.value(0), m_model.openPage);
        QCOMPARE(m_quitRequests, m_model.quitRequests);

        for (const auto &[page, timer] : m_timersSeen)
            if (page != m_model.openPage)
                QVERIFY2(!timer || !timer->isActive(), qPrintable(QStringLiteral("a timer of closed %1 runs").arg(page)));
        std::erase_if(m_timersSeen, [](const auto &seen) { return !seen.second; });

        for (const auto &[page, arrays] : m_model.stored) {
            const PageInstance *instance = m_navigator->instance(page);
            QVERIFY(instance);
            for (const ChannelFacts &channel : m_facts.at(page).channels) {
                const std::optional<qint16> actual = instance->variables.storedFrames.value(channel.array);
                const auto expected = arrays.find(channel.array);
                const std::optional<int> modelled = expected == arrays.end() ? std::nullopt : expected->second;
                QVERIFY2((actual ? std::optional<int>(*actual) : std::nullopt) == modelled,
                         qPrintable(QStringLiteral("stored frame of %1 %2").arg(page, channel.array)));
                if (actual)
                    QVERIFY(*actual >= 0 && *actual < channel.frames);
            }
        }

        PageWindow *window = openWindow();
        if (!window) {
            QVERIFY(m_model.openPage.isEmpty());
            QVERIFY(HeldPicture::heldCount() == 0);
            return;
        }
        QVERIFY(!window->isShutDown());
        if (m_lastWasChoice)
            QVERIFY2(!window->isMinimized(), "a page chosen comes back from minimized");
        for (FrameBox *box : window->frameBoxes()) {
            if (!box->record().index)
                continue;
            const bool modelled = m_model.visible[box->record().name].count(*box->record().index) > 0;
            QVERIFY2(box->visibleFlag() == modelled,
                     qPrintable(QStringLiteral("%1(%2) visible %3, model says %4")
                                    .arg(box->record().name)
                                    .arg(*box->record().index)
                                    .arg(box->visibleFlag())
                                    .arg(modelled)));
        }
        for (QTimer *timer : window->findChildren<QTimer *>())
            QVERIFY2(timer->isActive() == m_model.running[timer->objectName()],
                     qPrintable(QStringLiteral("timer %1 running %2").arg(timer->objectName()).arg(timer->isActive())));
        QVERIFY2(HeldPicture::heldCount() <= m_facts.at(m_model.openPage).pictures,
                 qPrintable(QStringLiteral("%1 pictures held").arg(HeldPicture::heldCount())));
    }

    // Which page each picture of the home page opens, found once on a program of
    // its own; the run then checks every press against it.
    void learnImageTargets()
    {
        Program probe;
        for (const HandlerBinding &binding : findRegistryEntry(PageName::Home)->content().handlers) {
            if (binding.event != PageEvent::MouseDown)
                continue;
            if (!probe.window(PageName::Home))
                probe.navigator.returnHome(probe.navigator.openPages().value(0));
            PageWindow &home = probe.open(PageName::Home);
            QTest::mousePress(home.surface(), Qt::LeftButton, Qt::NoModifier,
                              pixelRect(home.image(binding.control).rect).center());
            m_imageTargets[binding.control] = probe.navigator.openPages().value(0);
        }
    }

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void randomUseKeepsEveryInvariant()
    {
        const unsigned seed = qEnvironmentVariableIsSet("VENTIRO_RANDOM_SEED")
                                  ? qEnvironmentVariable("VENTIRO_RANDOM_SEED").toUInt()
                                  : 20261209u;
        const int events = qEnvironmentVariableIsSet("VENTIRO_RANDOM_EVENTS")
                               ? qEnvironmentVariableIntValue("VENTIRO_RANDOM_EVENTS")
                               : 20000;
        qInfo("seed %u, %d events (replay with VENTIRO_RANDOM_SEED=%u)", seed, events, seed);
        m_random.seed(seed);

        learnImageTargets();
        QCOMPARE(m_imageTargets.size(), size_t(componentPages().size()));
        m_facts[PageName::Home] = factsOf(PageName::Home);
        for (const QString &page : componentPagesInRegistryOrder())
            m_facts[page] = factsOf(page);

        m_navigator = std::make_unique<Navigator>(m_clock, [this] { ++m_quitRequests; });
        m_navigator->startUp();
        QVERIFY(QTest::qWaitForWindowExposed(m_navigator->frame()));
        openInModel(PageName::Home);

        for (int n = 0; n < events; ++n) {
            randomEvent();
            if (!QTest::currentTestFailed())
                checkInvariants();
            if (QTest::currentTestFailed()) {
                qInfo("failed at event %d of seed %u; the last events:", n, seed);
                for (const QString &event : m_recent)
                    qInfo("  %s", qUtf8Printable(event));
                qInfo("replay with VENTIRO_RANDOM_SEED=%u VENTIRO_RANDOM_EVENTS=%d", seed, n + 1);
                return;
            }
        }
        QString counts;
        for (const auto &[kind, count] : m_counts)
            counts += QStringLiteral(" %1 %2,").arg(kind).arg(count);
        qInfo("events delivered:%s", qUtf8Printable(counts));
        m_navigator.reset();
    }
};

VENTIRO_TEST_MAIN(RandomUseTest)
#include "test_random_use.moc"
