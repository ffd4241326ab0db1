// SPDX-License-Identifier: GPL-3.0-or-later
// The warm-up that follows the home page's first paint: it shows nothing and holds
// no picture, and a page opened before it starts or while it runs opens as usual.
#include "TestSupport.h"

#include "PagePainting.h"
#include "Pictures.h"
#include "WarmUp.h"

class WarmUpTest final : public QObject {
    Q_OBJECT

private:
    static void waitForSteps(Program &program, qsizetype steps)
    {
        QTRY_VERIFY_WITH_TIMEOUT(program.navigator.warmUp().stepsTaken() >= steps, 20000);
    }
    static void waitUntilWarm(Program &program)
    {
        QTRY_VERIFY_WITH_TIMEOUT(program.navigator.warmUp().isFinished(), 20000);
    }
    static void pressPicture(Program &program, const QString &image)
    {
        PageWindow &home = program.open(PageName::Home);
        QTest::mousePress(home.surface(), Qt::LeftButton, Qt::NoModifier, pixelRect(home.image(image).rect).center());
        Program::settle();
        QCoreApplication::sendPostedEvents();
    }
    static QImage look(Program &program) { return program.navigator.frame()->grab().toImage(); }

private slots:
    void showsNothingAndHoldsNoPicture()
    {
        Program program;
        QVERIFY(QTest::qWaitForWindowExposed(program.navigator.frame()));
        const QImage before = look(program);
        const int held = HeldPicture::heldCount();
        const QWidgetList windows = QApplication::topLevelWidgets();
        waitUntilWarm(program);
        QCOMPARE(HeldPicture::heldCount(), held);
        QCOMPARE(program.navigator.openPages(), QStringList{PageName::Home});
        QCOMPARE(QApplication::topLevelWidgets(), windows);  // the windows it built are gone
        QCOMPARE(look(program), before);
    }

    // A click before the warm-up, between two of its steps or after it: the page
    // opens at once, holds only its own pictures once the warm-up is over, and
    // looks as it does in a program that never warmed up.
    void aPageOpenedMeanwhileOpensAsUsual_data()
    {
        QTest::addColumn<int>("stepsBefore");
        QTest::newRow("before the first paint") << -1;
        QTest::newRow("after the first step") << 1;
        QTest::newRow("half-way") << 7;
    }
    void aPageOpenedMeanwhileOpensAsUsual()
    {
        QFETCH(int, stepsBefore);
        QImage unwarmed;
        {
            Program cold;
            cold.navigator.openComponentPage(PageName::Valve42);
            Program::settle();
            unwarmed = look(cold);
        }
        Program program;
        if (stepsBefore >= 0)
            waitForSteps(program, stepsBefore);
        pressPicture(program, QStringLiteral("imgV42Boto"));
        QCOMPARE(program.navigator.openPages(), QStringList{PageName::Valve42});
        const int held = HeldPicture::heldCount();
        waitUntilWarm(program);
        QCOMPARE(HeldPicture::heldCount(), held);
        QCOMPARE(look(program), unwarmed);
        // Home and back again, after the warm-up.
        program.open(PageName::Valve42).button("cmdSortir").click();
        Program::settle();
        pressPicture(program, QStringLiteral("imgV42Boto"));
        QCOMPARE(look(program), unwarmed);
    }

    // The program may end while pictures are being decoded for the warm-up.
    void theProgramMayEndMeanwhile()
    {
        for (int steps = 1; steps <= 3; ++steps) {
            Program program;
            waitForSteps(program, steps);
        }
        QThreadPool::globalInstance()->waitForDone();
    }
};

VENTIRO_TEST_MAIN(WarmUpTest)
#include "test_warm_up.moc"
