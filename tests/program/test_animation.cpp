// SPDX-License-Identifier: GPL-3.0-or-later
// The animation channels: what a tick shows for a clock second, what is visible
// after a page opens or reopens, and the start and stop buttons.
#include "TestSupport.h"

#include "PageRegistry.h"

class AnimationTest final : public QObject {
    Q_OBJECT

private:
    struct ChannelCase {
        QString menu, page, timer, array;
        int frames;
    };

    static QList<int> visibleFrames(PageWindow &page, const QString &array, int frames)
    {
        QList<int> visible;
        for (int i = 0; i < frames; ++i)
            if (page.pictureBox(array, i).visibleFlag())
                visible.append(i);
        return visible;
    }

    // The frame seen at the centre of the array's place: the frontmost visible one.
    static int frameSeen(PageWindow &page, const QString &array)
    {
        page.surface()->resize(1000, 800);
        QWidget *top = page.surface()->childAt(page.pictureBox(array, 0).geometry().center());
        auto *box = qobject_cast<FrameBox *>(top);
        return box && box->record().name == array ? *box->record().index : -1;
    }

    static std::optional<qint16> stored(Program &program, const QString &page, const QString &array)
    {
        return program.navigator.instance(page)->variables.storedFrames.value(array);
    }

    // Opens the page and starts the channel's timer with its button when it has one.
    static void openRunning(Program &program, const ChannelCase &c)
    {
        program.menu(c.menu);
        PageWindow &page = program.open(c.page);
        if (!page.timer(c.timer).isActive())
            program.navigator.dispatch(c.page, startButton(page, c.timer), PageEvent::Click);
        QVERIFY(page.timer(c.timer).isActive());
    }

    static QString startButton(PageWindow &page, const QString &timer)
    {
        for (QPushButton *button : page.buttonsInTabOrder())
            if (button->text() == (timer == "tmrRellotge" ? "&Simulació" : "S&imular"))
                return button->objectName();
        return {};
    }

    static QString stopButton(PageWindow &page, const QString &timer)
    {
        for (QPushButton *button : page.buttonsInTabOrder())
            if (button->text() == (timer == "tmrRellotge" ? "&Parar" : "P&arar"))
                return button->objectName();
        return {};
    }

    const QList<ChannelCase> channels = {
        {"mnuVàlvula4_2", "frmValvula42", "tmrRellotge", "picVàlvula42", 6},
        {"mnuVàlvula3_2", "frmValvula32", "tmrRellotge1", "picCircuit32", 5},
        {"mnuReguladora", "frmReguladora", "tmrRellotge1", "picCircuitReguladora", 12},
        {"mnuÈmbol", "frmCompressorDePistons", "tmrRellotge", "picCompressorDePistons", 8},
    };

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void aTickShowsTheFrameOfTheClockSecond()
    {
        const QList<int> at37 = {1, 2, 1, 5};
        const QList<int> at59 = {5, 4, 11, 3};
        for (int i = 0; i < channels.size(); ++i) {
            const ChannelCase &c = channels[i];
            Program program;
            openRunning(program, c);
            PageWindow &page = program.open(c.page);
            program.clock.setSecond(37);
            program.fire(c.page, c.timer);
            QCOMPARE(stored(program, c.page, c.array), qint16(at37[i]));
            QVERIFY(page.pictureBox(c.array, at37[i]).visibleFlag());
            QVERIFY(!page.pictureBox(c.array, 0).visibleFlag() || at37[i] == 0 || c.frames == 8);

            program.clock.setSecond(59);
            program.fire(c.page, c.timer);
            QCOMPARE(stored(program, c.page, c.array), qint16(at59[i]));
            program.clock.setTime(QTime(10, 42, 0));
            program.fire(c.page, c.timer);
            QCOMPARE(stored(program, c.page, c.array), qint16(0));
            QVERIFY(!page.pictureBox(c.array, at59[i]).visibleFlag());
            QVERIFY(page.pictureBox(c.array, 0).visibleFlag());
        }
    }

    void theMinuteDoesNotDivideIntoEightFrames()
    {
        Program program;
        openRunning(program, channels[3]);
        QList<int> shown;
        for (int second : {52, 53, 54, 55, 56, 57, 58, 59}) {
            program.clock.setSecond(second);
            program.fire("frmCompressorDePistons", "tmrRellotge");
            shown.append(*stored(program, "frmCompressorDePistons", "picCompressorDePistons"));
        }
        program.clock.setTime(QTime(10, 42, 0));
        program.fire("frmCompressorDePistons", "tmrRellotge");
        shown.append(*stored(program, "frmCompressorDePistons", "picCompressorDePistons"));
        QCOMPARE(shown, QList<int>({4, 5, 6, 7, 0, 1, 2, 3, 0}));
    }

    void ticksFollowTheClockNotACount()
    {
        Program program;
        openRunning(program, channels[0]);
        PageWindow &page = program.open("frmValvula42");
        program.clock.setSecond(10);
        program.fire("frmValvula42", "tmrRellotge");
        program.fire("frmValvula42", "tmrRellotge");  // two ticks in one second
        QCOMPARE(visibleFrames(page, "picVàlvula42", 6), QList<int>{4});
        program.clock.setSecond(12);  // a late tick skips frame 5
        program.fire("frmValvula42", "tmrRellotge");
        QCOMPARE(visibleFrames(page, "picVàlvula42", 6), QList<int>{0});
        program.clock.setTime(QTime(23, 59, 45));  // the clock is set elsewhere
        program.fire("frmValvula42", "tmrRellotge");
        QCOMPARE(visibleFrames(page, "picVàlvula42", 6), QList<int>{3});
    }

    void framesVisibleInTheDescriptionStayBehindUntilTheCyclePasses()
    {
        const QList<QPair<QString, QString>> pages = {{"mnuÈmbol", "picCompressorDePistons"},
                                                      {"mnuPaletes", "picCompressorDePaletes"},
                                                      {"mnuVàlvula3_2", "picVàlvula32"}};
        for (const auto &[menu, array] : pages) {
            Program program;
            program.menu(menu);
            const QString pageName = program.navigator.openPages().first();
            PageWindow &page = program.open(pageName);
            const int frames = array == "picCompressorDePistons" ? 8 : 6;
            QCOMPARE(visibleFrames(page, array, frames), QList<int>({0, 1}));
            QCOMPARE(frameSeen(page, array), 0);
            if (!page.timer("tmrRellotge").isActive())
                page.button(startButton(page, "tmrRellotge")).click();

            program.clock.setSecond(3);
            program.fire(pageName, "tmrRellotge");
            QCOMPARE(visibleFrames(page, array, frames), QList<int>({1, 3}));
            QCOMPARE(frameSeen(page, array), 3);
            program.clock.setSecond(frames + 1);  // the cycle selects frame 1 ...
            program.fire(pageName, "tmrRellotge");
            program.clock.setSecond(frames + 2);  // ... and the next tick hides it
            program.fire(pageName, "tmrRellotge");
            QCOMPARE(visibleFrames(page, array, frames), QList<int>{2});
        }
    }

    void twoAnimationPagesOpenStoppedOnFrameZero()
    {
        for (const RegistryEntry &entry : pageRegistry()) {
            if (entry.kind != PageKind::Component)
                continue;
            Program program;
            program.navigator.openComponentPage(entry.page);
            PageWindow &page = program.open(entry.page);
            const PageContent content = entry.content();
            QStringList arrays;
            for (const HandlerBinding &binding : content.handlers)
                if (binding.event == PageEvent::Timer)
                    arrays.append(binding.control);
            if (arrays.size() == 2) {
                QVERIFY(!page.timer("tmrRellotge").isActive());
                QVERIFY(!page.timer("tmrRellotge1").isActive());
            } else {
                QVERIFY2(page.timer("tmrRellotge").isActive(), qUtf8Printable(entry.page));
            }
            for (FrameBox *box : page.frameBoxes())
                if (*box->record().index == 0)
                    QVERIFY2(box->visibleFlag(), qUtf8Printable(entry.page));
        }
    }

    void eachButtonTouchesOnlyItsOwnTimer()
    {
        Program program;
        program.menu("mnuVàlvula3_2");
        PageWindow &page = program.open("frmValvula32");
        QTimer &component = page.timer("tmrRellotge");
        QTimer &circuit = page.timer("tmrRellotge1");
        page.button("cmdSimularCir").click();
        QVERIFY(circuit.isActive() && !component.isActive());
        page.button("cmdSimularV32").click();
        QVERIFY(circuit.isActive() && component.isActive());
        page.button("cmdPararV32").click();
        QVERIFY(circuit.isActive() && !component.isActive());
        page.button("cmdPararV32").click();  // stopping a stopped channel changes nothing
        QVERIFY(circuit.isActive() && !component.isActive());
        page.button("cmdPararCirc").click();
        QVERIFY(!circuit.isActive());
        QCOMPARE(circuit.interval(), 1000);
        QCOMPARE(circuit.timerType(), Qt::PreciseTimer);
    }

    void stoppingKeepsTheFrameAndRestartingFollowsTheClock()
    {
        Program program;
        program.menu("mnuSelectora");
        PageWindow &page = program.open("frmSelectora");
        page.button("cmdSimularSelectora").click();
        program.clock.setSecond(20);
        program.fire("frmSelectora", "tmrRellotge");
        page.button("cmdPararSelectora").click();
        QCOMPARE(visibleFrames(page, "picVàlvulaSelectora", 6), QList<int>{2});
        page.button("cmdSimularSelectora").click();  // ten seconds later
        program.clock.setSecond(31);
        program.fire("frmSelectora", "tmrRellotge");
        QCOMPARE(visibleFrames(page, "picVàlvulaSelectora", 6), QList<int>{1});
        // Both channels show the same index after ticks in the same second.
        page.button("cmdSimularCirSelectora").click();
        program.fire("frmSelectora", "tmrRellotge1");
        QCOMPARE(stored(program, "frmSelectora", "picCircuitSelectora"), qint16(1));
    }

    void reopeningKeepsTheStoredFrameAndFrameZeroLingers()
    {
        Program program;
        program.menu("mnuVàlvula5_2");
        program.open("frmValvula52").button("cmdSimularV52").click();
        program.clock.setSecond(15);  // frame 3
        program.fire("frmValvula52", "tmrRellotge");
        program.open("frmValvula52").button("cmdSortir").click();
        QCOMPARE(stored(program, "frmValvula52", "picVàlvula52"), qint16(3));

        program.menu("mnuVàlvula5_2");
        PageWindow &page = program.open("frmValvula52");
        QCOMPARE(visibleFrames(page, "picVàlvula52", 6), QList<int>{0});
        page.button("cmdSimularV52").click();
        program.clock.setSecond(20);  // frame 2: hidden behind frame 0
        program.fire("frmValvula52", "tmrRellotge");
        QCOMPARE(visibleFrames(page, "picVàlvula52", 6), QList<int>({0, 2}));
        QCOMPARE(frameSeen(page, "picVàlvula52"), 0);
        program.clock.setSecond(22);  // frame 4 lies in front of frame 0
        program.fire("frmValvula52", "tmrRellotge");
        QCOMPARE(frameSeen(page, "picVàlvula52"), 4);
        program.clock.setSecond(24);  // the cycle passes frame 0 ...
        program.fire("frmValvula52", "tmrRellotge");
        program.clock.setSecond(25);  // ... and hides it
        program.fire("frmValvula52", "tmrRellotge");
        QCOMPARE(visibleFrames(page, "picVàlvula52", 6), QList<int>{1});
    }

    void everyChannelStepsThroughItsOwnFrameCount_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("timer");
        QTest::addColumn<QString>("array");
        QTest::addColumn<int>("frames");
        auto row = [](const char *page, const char *timer, const char *array, int frames) {
            QTest::newRow(array) << QString::fromUtf8(page) << QString::fromUtf8(timer) << QString::fromUtf8(array)
                                 << frames;
        };
        row("frmAntiretorn", "tmrRellotge", "picVàlvulaAntiretorn", 6);
        row("frmAntiretorn", "tmrRellotge1", "picCircuitAntiretorn", 6);
        row("frmCompressorDePistons", "tmrRellotge", "picCompressorDePistons", 8);
        row("frmCompressorDePaletes", "tmrRellotge", "picCompressorDePaletes", 6);
        row("frmLimitadora", "tmrRellotge", "picVàlvulaLimit", 6);
        row("frmLimitadora", "tmrRellotge1", "picCircuitLimit", 6);
        row("frmReguladora", "tmrRellotge", "picVàlvulaReguladora", 12);
        row("frmReguladora", "tmrRellotge1", "picCircuitReguladora", 12);
        row("frmSelectora", "tmrRellotge", "picVàlvulaSelectora", 6);
        row("frmSelectora", "tmrRellotge1", "picCircuitSelectora", 6);
        row("frmSimultaneïtat", "tmrRellotge", "picVàlvulaSimultaneïtat", 6);
        row("frmSimultaneïtat", "tmrRellotge1", "picCircuitSimultaneïtat", 6);
        row("frmValvula32", "tmrRellotge", "picVàlvula32", 6);
        row("frmValvula32", "tmrRellotge1", "picCircuit32", 5);
        row("frmValvula42", "tmrRellotge", "picVàlvula42", 6);
        row("frmValvula42", "tmrRellotge1", "picCircuit42", 6);
        row("frmValvula52", "tmrRellotge", "picVàlvula52", 6);
        row("frmValvula52", "tmrRellotge1", "picCircuit52", 6);
        row("frmFiltre", "tmrRellotge", "picFiltre", 6);
        row("frmRegPressió", "tmrRellotge", "picRegPressió", 6);
        row("frmLubrificant", "tmrRellotge", "picLubrificant", 6);
        row("frmEscapamentRapid", "tmrRellotge", "picEscapamentRàpid", 6);
        row("frmEscapamentRapid", "tmrRellotge1", "picCircuitEscapamentRàpid", 6);
    }

    void everyChannelStepsThroughItsOwnFrameCount()
    {
        QFETCH(QString, page);
        QFETCH(QString, timer);
        QFETCH(QString, array);
        QFETCH(int, frames);
        Program program;
        program.navigator.openComponentPage(page);
        PageWindow &window = program.open(page);
        QVERIFY_THROWS_EXCEPTION(MissingControl, window.pictureBox(array, frames));
        // Second 59 tells every frame count apart (5 → 4, 6 → 5, 8 → 3, 12 → 11); the
        // full minute starts the cycle again.
        for (const int second : {frames - 1, frames, 59}) {
            program.clock.setSecond(second);
            program.fire(page, timer);
            QCOMPARE(stored(program, page, array), qint16(second % frames));
            QVERIFY(window.pictureBox(array, second % frames).visibleFlag());
        }
        program.clock.setTime(QTime(10, 42, 0));
        program.fire(page, timer);
        QCOMPARE(stored(program, page, array), qint16(0));
        QVERIFY(!window.pictureBox(array, 59 % frames).visibleFlag());
    }

    void aStartButtonPressedOnARunningChannelKeepsItsRhythm_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("timer");
        auto row = [](const char *page, const char *button, bool circuit) {
            QTest::addRow("%s/%s", page, button) << QString::fromUtf8(page) << QString::fromUtf8(button)
                                  << (circuit ? QStringLiteral("S&imular") : QStringLiteral("&Simulació"))
                                  << (circuit ? QStringLiteral("tmrRellotge1") : QStringLiteral("tmrRellotge"));
        };
        row("frmAntiretorn", "cmdSimularAntiretorn", false);
        row("frmAntiretorn", "cmdSimularCirAntiretorn", true);
        row("frmLimitadora", "cmdSimularLimit", false);
        row("frmLimitadora", "cmdSimularCirLimit", true);
        row("frmReguladora", "cmdSimularReguladora", false);
        row("frmReguladora", "cmdSimularCirReguladora", true);
        row("frmSelectora", "cmdSimularSelectora", false);
        row("frmSelectora", "cmdSimularCirSelectora", true);
        row("frmSimultaneïtat", "cmdSimularSimultaneïtat", false);
        row("frmSimultaneïtat", "cmdSimularCirSimultaneïtat", true);
        row("frmValvula32", "cmdSimularV32", false);
        row("frmValvula32", "cmdSimularCir", true);
        row("frmValvula42", "cmdSimularV42", false);
        row("frmValvula42", "cmdSimularCir42", true);
        row("frmValvula52", "cmdSimularV52", false);
        row("frmValvula52", "cmdSimularCir", true);
        row("frmEscapamentRapid", "cmdSimularEscapamentRàpid", false);
        row("frmEscapamentRapid", "cmdSimularCirEscapamentRàpid", true);
    }

    void aStartButtonPressedOnARunningChannelKeepsItsRhythm()
    {
        // Pressing start again on a running channel does not put its next tick off:
        // a user clicking faster than once a second still sees the animation step.
        QFETCH(QString, page);
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(QString, timer);
        Program program;
        program.navigator.openComponentPage(page);
        PageWindow &window = program.open(page);
        QCOMPARE(window.button(button).text(), caption);
        QTimer &channel = window.timer(timer);
        QVERIFY(!channel.isActive());
        window.button(button).click();
        QVERIFY(channel.isActive());
        QCOMPARE(channel.interval(), 1000);
        QTest::qSleep(60);  // no event is handled meanwhile, so no tick comes
        window.button(button).click();
        QVERIFY(channel.isActive());
        QVERIFY2(channel.remainingTime() <= 970, qUtf8Printable(QString::number(channel.remainingTime())));
        QVERIFY(channel.remainingTime() >= 0);
    }

    void eachStartAndStopButtonWorksItsOwnChannel_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("componentButtons");  // start, stop
        QTest::addColumn<QStringList>("circuitButtons");
        auto row = [](const char *page, const char *start, const char *stop, const char *circuitStart,
                      const char *circuitStop) {
            QTest::newRow(page) << QString::fromUtf8(page)
                                << QStringList{QString::fromUtf8(start), QString::fromUtf8(stop)}
                                << QStringList{QString::fromUtf8(circuitStart), QString::fromUtf8(circuitStop)};
        };
        row("frmAntiretorn", "cmdSimularAntiretorn", "cmdPararAntiretorn", "cmdSimularCirAntiretorn",
            "cmdPararCircAntiretorn");
        row("frmLimitadora", "cmdSimularLimit", "cmdPararLimit", "cmdSimularCirLimit", "cmdPararCircLimit");
        row("frmReguladora", "cmdSimularReguladora", "cmdPararReguladora", "cmdSimularCirReguladora",
            "cmdPararCircReguladora");
        row("frmSelectora", "cmdSimularSelectora", "cmdPararSelectora", "cmdSimularCirSelectora",
            "cmdPararCircSelectora");
        row("frmSimultaneïtat", "cmdSimularSimultaneïtat", "cmdPararSimultaneïtat", "cmdSimularCirSimultaneïtat",
            "cmdPararCircSimultaneïtat");
        row("frmValvula32", "cmdSimularV32", "cmdPararV32", "cmdSimularCir", "cmdPararCirc");
        row("frmValvula42", "cmdSimularV42", "cmdPararV42", "cmdSimularCir42", "cmdPararCirc");
        row("frmValvula52", "cmdSimularV52", "cmdPararV52", "cmdSimularCir", "cmdPararCirc");
        row("frmEscapamentRapid", "cmdSimularEscapamentRàpid", "cmdPararEscapamentRàpid",
            "cmdSimularCirEscapamentRàpid", "cmdPararCirc");
    }

    void eachStartAndStopButtonWorksItsOwnChannel()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, componentButtons);
        QFETCH(QStringList, circuitButtons);
        Program program;
        program.navigator.openComponentPage(page);
        PageWindow &window = program.open(page);
        QTimer &component = window.timer("tmrRellotge");
        QTimer &circuit = window.timer("tmrRellotge1");
        auto running = [&] { return QPair<bool, bool>(component.isActive(), circuit.isActive()); };
        QCOMPARE(running(), qMakePair(false, false));
        QCOMPARE(window.button(componentButtons[0]).text(), QStringLiteral("&Simulació"));
        QCOMPARE(window.button(componentButtons[1]).text(), QStringLiteral("&Parar"));
        QCOMPARE(window.button(circuitButtons[0]).text(), QStringLiteral("S&imular"));
        QCOMPARE(window.button(circuitButtons[1]).text(), QStringLiteral("P&arar"));
        window.button(circuitButtons[0]).click();
        QCOMPARE(running(), qMakePair(false, true));
        window.button(componentButtons[0]).click();
        QCOMPARE(running(), qMakePair(true, true));
        window.button(componentButtons[1]).click();
        QCOMPARE(running(), qMakePair(false, true));
        window.button(circuitButtons[1]).click();
        QCOMPARE(running(), qMakePair(false, false));
        window.button(componentButtons[0]).click();
        window.button(circuitButtons[1]).click();  // stopping a stopped channel changes nothing
        QCOMPARE(running(), qMakePair(true, false));
    }

    void theKeyboardStartsOnTheComponentsStartButtonAndTabsThroughTheButtons_data()
    {
        eachStartAndStopButtonWorksItsOwnChannel_data();
    }

    void theKeyboardStartsOnTheComponentsStartButtonAndTabsThroughTheButtons()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, componentButtons);
        QFETCH(QStringList, circuitButtons);
        Program program;
        program.navigator.openComponentPage(page);
        PageWindow &window = program.open(page);
        const QStringList expected = componentButtons + circuitButtons + QStringList{"cmdSortir"};
        QStringList visited;
        for (int i = 0; i < expected.size(); ++i) {
            QWidget *focused = program.navigator.frame()->focusWidget();
            QVERIFY(focused);
            visited << focused->objectName();
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        QCOMPARE(visited, expected);
        // Enter on the focused start button starts the component channel.
        window.button(expected[0]).setFocus();
        QTest::keyClick(&window.button(expected[0]), Qt::Key_Return);
        QVERIFY(window.timer("tmrRellotge").isActive());
    }

    void circuitFramesFourAndFiveOfTheFiveTwoValveSitFurtherRight()
    {
        Program program;
        program.menu("mnuVàlvula5_2");
        PageWindow &page = program.open("frmValvula52");
        QCOMPARE(page.pictureBox("picCircuit52", 4).x() - page.pictureBox("picCircuit52", 3).x(), 8);
        QCOMPARE(page.pictureBox("picCircuit52", 5).geometry(), page.pictureBox("picCircuit52", 4).geometry());
    }
};

VENTIRO_TEST_MAIN(AnimationTest)
#include "test_animation.moc"
