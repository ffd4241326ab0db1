// SPDX-License-Identifier: GPL-3.0-or-later
// A page's own window commands: restoring a maximized page, maximizing it again,
// and choosing a page that was minimized.
#include "TestSupport.h"

#include "MainFrameDescription.h"
#include "PagePainting.h"
#include "PageRegistry.h"

#include <QMenuBar>

class WindowStatesTest final : public QObject {
    Q_OBJECT

private:
    static QImage workspaceImage(Program &program)
    {
        Program::settle();
        QCoreApplication::sendPostedEvents();
        QWidget *frame = program.navigator.frame();
        QImage image(frame->size(), QImage::Format_RGB32);
        frame->render(&image);
        return image;
    }

    // The restore command as the user gives it: the middle one of the three
    // buttons a maximized page puts at the right of the menu bar.
    static void pressRestoreButton(Program &program)
    {
        QWidget *controls = program.navigator.frame()->menuBar()->cornerWidget(Qt::TopRightCorner);
        QVERIFY(controls && controls->isVisible());
        const QPoint restore(controls->width() / 2, controls->height() / 2);
        QTest::mousePress(controls, Qt::LeftButton, Qt::NoModifier, restore);
        QTest::mouseRelease(controls, Qt::LeftButton, Qt::NoModifier, restore);
    }

    static QString menuFor(const QString &page)
    {
        for (const auto &[menu, target] : menuCommands())
            if (target == page)
                return menu;
        return {};
    }

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void aRestoredPageShowsItsWholeClientAreaAndMaximizesBackToItsLook()
    {
        QStringList pages = componentPagesInRegistryOrder();
        pages.prepend(PageName::Home);
        for (const QString &page : pages) {
            Program program;
            if (page != PageName::Home)
                program.menu(menuFor(page));
            PageWindow &window = program.open(page);
            const QImage maximized = workspaceImage(program);
            QList<bool> framesShown;
            for (FrameBox *box : window.frameBoxes())
                framesShown << box->visibleFlag();

            pressRestoreButton(program);
            QVERIFY2(!window.isMaximized() && !window.isMinimized() && window.isVisible(), qPrintable(page));
            const QRect described = pixelRect(window.description().clientRect);
            QCOMPARE(window.surface()->size(), described.size());
            QCOMPARE(window.pos(), described.topLeft());
            QVERIFY(window.surface()->isVisible());
            for (QPushButton *button : window.buttonsInTabOrder()) {
                QVERIFY(button->isVisible());
                QVERIFY(window.surface()->rect().contains(button->geometry()));
            }
            QList<bool> framesAfter;
            for (FrameBox *box : window.frameBoxes())
                framesAfter << box->visibleFlag();
            QCOMPARE(framesAfter, framesShown);
            QCOMPARE(program.navigator.openPages(), QStringList{page});

            window.showMaximized();
            QCOMPARE(workspaceImage(program), maximized);
        }
    }

    void aMinimizedPageChosenAgainComesBackMaximizedInFront()
    {
        Program program;
        program.menu("mnuVàlvula4_2");
        PageWindow *window = program.window("frmValvula42");
        window->button("cmdSimularV42").click();
        window->showMinimized();
        QVERIFY(window->isMinimized());

        program.menu("mnuVàlvula4_2");
        QCOMPARE(program.window("frmValvula42"), window);  // not rebuilt
        QVERIFY(window->isMaximized() && !window->isMinimized());
        QCOMPARE(program.navigator.frame()->workspace()->activeSubWindow(), window);
        QVERIFY(window->timer("tmrRellotge").isActive());  // still running
        QCOMPARE(window->surface()->size(), program.navigator.frame()->workspace()->viewport()->size());

        // A restored page that is minimized comes back maximized as well.
        window->showNormal();
        window->showMinimized();
        program.menu("mnuVàlvula4_2");
        QVERIFY(window->isMaximized());
    }

    void aMinimizedHomePageComesBackMaximizedAndItsButtonsWork()
    {
        Program program;
        PageWindow *home = program.window(PageName::Home);
        home->showMinimized();
        program.navigator.showPage(PageName::Home);
        QVERIFY(home->isMaximized());
        QCOMPARE(program.navigator.frame()->workspace()->activeSubWindow(), home);
        const ImageRecord &button = home->image("imgFiltre");
        QTest::mousePress(home->surface(), Qt::RightButton, Qt::NoModifier, pixelRect(button.rect).center());
        QCOMPARE(program.navigator.openPages(), QStringList{"frmFiltre"});
        QVERIFY(program.open("frmFiltre").isMaximized());
    }

    void anotherPageChosenWhileOneIsMinimizedOrRestoredOpensMaximized()
    {
        Program program;
        program.menu("mnuFiltre");
        program.open("frmFiltre").showMinimized();
        program.menu("mnuSelectora");
        QCOMPARE(program.navigator.openPages(), QStringList{"frmSelectora"});
        QVERIFY(program.open("frmSelectora").isMaximized());

        program.open("frmSelectora").showNormal();
        program.menu("mnuLimitadora");
        QCOMPARE(program.navigator.openPages(), QStringList{"frmLimitadora"});
        QVERIFY(program.open("frmLimitadora").isMaximized());
    }
};

VENTIRO_TEST_MAIN(WindowStatesTest)
#include "test_window_states.moc"
