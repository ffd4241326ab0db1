// SPDX-License-Identifier: GPL-3.0-or-later
// Navigation between the pages: the menu, home-page buttons, exit buttons,
// closing pages and the frame, and what stays open after each operation.
#include "TestSupport.h"

#include "AnimationChannel.h"
#include "PageRegistry.h"
#include "PictureCatalogue.h"
#include "RenderChecks.h"
#include "SystemColours.h"

#include <QMdiArea>
#include <QMenuBar>
#include <QSignalSpy>

class NavigatorTest final : public QObject {
    Q_OBJECT

private:
    static void pressImage(Program &program, const QString &name, Qt::MouseButton button)
    {
        PageWindow &home = program.open(PageName::Home);
        const QRect rect = home.surface()->rect().intersected(
            QRect(home.image(name).rect.left / 15, home.image(name).rect.top / 15, 60, 30));
        QTest::mousePress(home.surface(), button, Qt::NoModifier, rect.center());
    }

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void startsOnTheHomePage()
    {
        Program program;
        QCOMPARE(program.navigator.openPages(), QStringList{PageName::Home});
        QCOMPARE(program.navigator.frame()->windowTitle(), QStringLiteral("Ventiro"));
        QCOMPARE(program.navigator.frame()->centralWidget()->size(), QSize(792, 722));
        QVERIFY(program.open(PageName::Home).isMaximized());
        for (const QString &page : componentPagesInRegistryOrder())
            QVERIFY(!program.navigator.instance(page));
    }

    void theCommandOfTheOpenPageChangesNothing()
    {
        Program program;
        program.menu("mnuVàlvula4_2");
        PageWindow *window = program.window("frmValvula42");
        program.open("frmValvula42").button("cmdSimularV42").click();
        QTimer &timer = window->timer("tmrRellotge");
        QVERIFY(timer.isActive());
        program.open("frmValvula42").pictureBox("picVàlvula42", 2).setVisibleFlag(true);

        program.menu("mnuVàlvula4_2");
        QCOMPARE(program.window("frmValvula42"), window);
        QVERIFY(timer.isActive());  // Load did not run again
        QVERIFY(window->pictureBox("picVàlvula42", 2).visibleFlag());
    }

    void homePageButtonsOpenTheirPageWithAnyMouseButton()
    {
        const QList<QPair<QString, Qt::MouseButton>> presses = {
            {"ImgV32Boto", Qt::LeftButton}, {"imgEscapRàpidboto", Qt::RightButton}, {"ImgPaletesBoto", Qt::MiddleButton}};
        const QHash<QString, QString> targets = {
            {"ImgV32Boto", "frmValvula32"}, {"imgEscapRàpidboto", "frmEscapamentRapid"},
            {"ImgPaletesBoto", "frmCompressorDePaletes"}};
        for (const auto &[image, button] : presses) {
            Program program;
            pressImage(program, image, button);  // the page opens on the press itself
            QCOMPARE(program.navigator.openPages(), QStringList{targets[image]});
            QVERIFY(!program.open(targets[image]).isHidden());
        }
    }

    void closingTheHomePageInsideItsOwnHandlerIsSafe()
    {
        Program program;
        QPointer<PageWindow> home = program.window(PageName::Home);
        pressImage(program, "imgV42Boto", Qt::LeftButton);
        QVERIFY(home);           // still alive until the event has been handled
        QVERIFY(home->isHidden());
        program.settle();
        QVERIFY(!home);
        QCOMPARE(program.navigator.openPages(), QStringList{"frmValvula42"});
    }

    void exitButtonReturnsToAFreshHomePage()
    {
        Program program;
        QPointer<PageWindow> firstHome = program.window(PageName::Home);
        program.menu("mnuSelectora");
        program.open("frmSelectora").button("cmdSortir").click();
        QCOMPARE(program.navigator.openPages(), QStringList{PageName::Home});
        QVERIFY(program.window(PageName::Home) != firstHome.data());
        program.settle();
        QVERIFY(!firstHome);
        QCOMPARE(program.quitRequests, 0);

        program.open(PageName::Home).button("cmdSortir").click();
        QCOMPARE(program.quitRequests, 1);
    }

    void aClosedPageNeverTicksAgain()
    {
        Program program;
        program.menu("mnuFiltre");
        QPointer<QTimer> timer = &program.open("frmFiltre").timer("tmrRellotge");
        QVERIFY(timer->isActive());
        program.menu("mnuLubrificador");
        QVERIFY(!timer);  // destroyed at once
        QVERIFY(!program.window("frmFiltre"));
        program.fire("frmFiltre", "tmrRellotge");  // a stray event is ignored
        QVERIFY(!program.navigator.instance("frmFiltre")->variables.storedFrames.contains("picFiltre"));
    }

    void afterReturningTheHomePageLooksAsAtStartUp()
    {
        Program program;
        auto snapshot = [&program] {
            PageWindow &home = program.open(PageName::Home);
            QImage image(home.surface()->size(), QImage::Format_RGB32);
            home.surface()->render(&image);
            return image;
        };
        const QImage atStartUp = snapshot();
        QCOMPARE(atStartUp.size(), QSize(792, 722));
        program.menu("mnuÈmbol");
        program.open("frmCompressorDePistons").button("cmdSortir").click();
        QCOMPARE(snapshot(), atStartUp);
    }

    void betweenOperationsOnlyOnePagesPicturesAreHeld()
    {
        Program program;
        for (const QString &menu : QStringList{"mnuVàlvula3_2", "mnuVàlvula4_2", "mnuPaletes", "mnuReguladora"}) {
            program.menu(menu);
            program.settle();
            QSet<QObject *> pages;
            for (QWidget *widget : QApplication::allWidgets())
                if (qobject_cast<FrameBox *>(widget)) {
                    QWidget *page = widget;
                    while (page && !qobject_cast<PageWindow *>(page))
                        page = page->parentWidget();
                    pages.insert(page);
                }
            QCOMPARE(pages.size(), 1);
        }
    }

    void closingAPageThatIsNotOpenDoesNothing()
    {
        Program program;
        program.navigator.closePage("frmReguladora");
        QVERIFY(program.navigator.instance("frmReguladora"));  // created silently
        QCOMPARE(program.navigator.openPages(), QStringList{PageName::Home});
        program.navigator.closePage("frmReguladora");
        QCOMPARE(program.navigator.openPages(), QStringList{PageName::Home});
    }

    void showingTheOpenHomePageDoesNotRebuildIt()
    {
        Program program;
        PageWindow *home = program.window(PageName::Home);
        program.navigator.showPage(PageName::Home);
        QCOMPARE(program.window(PageName::Home), home);
    }

    void anEmptyFrameShowsTheWorkspaceColour()
    {
        Program program;
        program.open(PageName::Home).close();
        program.settle();
        QWidget *viewport = program.navigator.frame()->workspace()->viewport();
        QImage image(viewport->size(), QImage::Format_RGB32);
        viewport->render(&image);
        QCOMPARE(image.pixelColor(400, 300), QColor(128, 128, 128));
        const RenderChecks::SystemColourScope scheme(
            [](int index) { return index == 12 ? QColor(0, 90, 0) : standardSystemColour(index); });
        viewport->render(&image);
        QCOMPARE(image.pixelColor(400, 300), QColor(0, 90, 0));
    }

    void closingTheFrameEndsTheProgram()
    {
        Program program;
        program.menu("mnuReguladora");
        program.navigator.frame()->close();
        QCOMPARE(program.quitRequests, 1);
    }

    void aHandlerAskingForAMissingControlEndsThereAndTheProgramCarriesOn()
    {
        Program program;
        program.menu("mnuVàlvula3_2");
        PageWindow &page = program.open("frmValvula32");
        QVERIFY_THROWS_EXCEPTION(MissingControl, page.label("lblA", 2));
        QVERIFY_THROWS_EXCEPTION(MissingControl, page.pictureBox("picCircuit32", 5));
        // A channel whose modulus points past its frames fails on its first tick.
        PageVariables variables;
        HandlerContext context{program.navigator, page, variables, program.clock};
        program.clock.setSecond(5);
        QVERIFY_THROWS_EXCEPTION(MissingControl, tick(context, {"picCircuit32", 6}));
        // So does a channel of an array the picture catalogue does not know (no frames).
        QVERIFY_THROWS_EXCEPTION(MissingControl, tick(context, {"picCircuit33", frameCount("frmValvula32", "picCircuit33")}));
        // Through the dispatcher the failure is reported and the page stays usable.
        const_cast<PageInstance *>(program.navigator.instance("frmValvula32"))
            ->content.handlers.append({"cmdSimularV32", PageEvent::Timer, tickAction({"picCircuit32", 6})});
        program.navigator.dispatch("frmValvula32", "cmdSimularV32", PageEvent::Timer);
        QCOMPARE(program.navigator.openPages(), QStringList{"frmValvula32"});
        program.open("frmValvula32").button("cmdSortir").click();
        QCOMPARE(program.navigator.openPages(), QStringList{PageName::Home});
    }

    void resizingTheFrameKeepsControlsWherePlaced()
    {
        Program program;
        program.menu("mnuVàlvula5_2");
        MainFrame *frame = program.navigator.frame();
        PageWindow &page = program.open("frmValvula52");
        const QRect sortir = page.button("cmdSortir").geometry();
        frame->resize(frame->size() - QSize(300, 300));
        // Smaller than the page, the window scrolls it rather than cut it.
        QCOMPARE(page.size(), frame->workspace()->viewport()->size());
        QCOMPARE(page.surface()->size(), page.surface()->pageSize());
        QVERIFY(page.verticalScrollBar()->isVisible() && page.horizontalScrollBar()->isVisible());
        QCOMPARE(page.button("cmdSortir").geometry(), sortir);
        frame->resize(frame->size() + QSize(600, 600));
        QCOMPARE(page.surface()->size(), frame->workspace()->viewport()->size());
        QVERIFY(page.verticalScrollBar()->isHidden() && page.horizontalScrollBar()->isHidden());
        QCOMPARE(page.button("cmdSortir").geometry(), sortir);
    }

    void menuTreeAndKeyboardLetters()
    {
        Program program;
        QMenuBar *bar = program.navigator.frame()->menuBar();
        QStringList top;
        for (QAction *action : bar->actions())
            top << action->text();
        QCOMPARE(top, QStringList({"&Compressors", "C&ondicionament", "&Distribuïdores", "&Bloqueig", "&Limitadora",
                                   "&Reguladora"}));
        QVERIFY(bar->actions()[4]->menu() == nullptr);  // commands on the bar itself
        QVERIFY(bar->actions()[0]->menu() != nullptr);
        // Selection letters are unique on each level.
        auto letters = [](const QList<QAction *> &actions) {
            QSet<QChar> seen;
            for (QAction *action : actions)
                seen.insert(action->text().at(action->text().indexOf(u'&') + 1).toUpper());
            return seen.size() == actions.size();
        };
        QVERIFY(letters(bar->actions()));
        for (QAction *action : bar->actions())
            if (action->menu())
                QVERIFY(letters(action->menu()->actions()));
    }
};

VENTIRO_TEST_MAIN(NavigatorTest)
#include "test_navigator.moc"
