// SPDX-License-Identifier: GPL-3.0-or-later
// Memory over a long session: decoded pictures are held only for the open page,
// and opening pages again and again does not make the heap grow.
#include "TestSupport.h"

#include "ComponentPages.h"
#include "HomePage.h"
#include "PagePainting.h"
#include "PageRegistry.h"
#include "Pictures.h"

#include <malloc.h>

class MemoryTest final : public QObject {
    Q_OBJECT

private:
    // How many pictures the open page can show: its frames and its images.
    static int picturesOf(const PageWindow &page)
    {
        int count = 0;
        for (const ControlRecord &record : page.description().controls)
            if (std::holds_alternative<PictureBoxRecord>(record) || std::holds_alternative<ImageRecord>(record))
                ++count;
        return count;
    }

    // Lets the operation finish as the event loop would: closed windows are
    // deleted and the open page is painted.
    static void finish(Program &program)
    {
        Program::settle();
        QCoreApplication::sendPostedEvents();
        const QStringList open = program.navigator.openPages();
        QCOMPARE(open.size(), 1);
        QVERIFY2(HeldPicture::heldCount() <= picturesOf(program.open(open.first())),
                 qPrintable(QStringLiteral("%1 pictures held with %2 open").arg(HeldPicture::heldCount()).arg(open.first())));
    }

    static void round(Program &program, const QList<QPair<QString, QString>> &buttons)
    {
        for (const auto &[button, page] : buttons) {
            PageWindow &home = program.open(PageName::Home);
            QTest::mousePress(home.surface(), Qt::LeftButton, Qt::NoModifier,
                              pixelRect(home.image(button).rect).center());
            finish(program);
            QCOMPARE(program.navigator.openPages(), QStringList{page});
            program.open(page).button("cmdSortir").click();
            finish(program);
        }
    }

    static long long heapInUse()
    {
        return mallinfo2().uordblks;
    }

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void openingEveryPageAHundredTimesKeepsTheHeapFlat()
    {
        Program program;
        QVERIFY(QTest::qWaitForWindowExposed(program.navigator.frame()));
        finish(program);
        QVERIFY(HeldPicture::heldCount() > 0);  // the home page was painted
        // The home page's buttons and the page each opens.
        QList<QPair<QString, QString>> buttons;
        for (const HandlerBinding &binding : homePage().handlers)
            if (binding.event == PageEvent::MouseDown)
                buttons.append({binding.control, QString()});
        for (auto &[button, page] : buttons) {
            QTest::mousePress(program.open(PageName::Home).surface(), Qt::LeftButton, Qt::NoModifier,
                              pixelRect(program.open(PageName::Home).image(button).rect).center());
            page = program.navigator.openPages().value(0);
            program.navigator.returnHome(page);
            finish(program);
        }
        QCOMPARE(buttons.size(), componentPages().size());

        long long afterSecond = 0;
        QString growthByRound;
        for (int n = 1; n <= 100; ++n) {
            round(program, buttons);
            if (QTest::currentTestFailed())
                return;
            if (n == 2)
                afterSecond = heapInUse();
            if (n % 10 == 0)
                growthByRound += QStringLiteral(" %1:%2").arg(n).arg(heapInUse() - afterSecond);
        }
        const long long growth = heapInUse() - afterSecond;
        QVERIFY2(growth < 1024 * 1024, qPrintable(QStringLiteral("the heap grew (bytes after round):") + growthByRound));
    }

    void aFrameIsDecodedWhenFirstShownAndATickRepaintsOnlyItsTwoFrames()
    {
        Program program;
        QVERIFY(QTest::qWaitForWindowExposed(program.navigator.frame()));
        program.clock.setSecond(0);
        program.menu("mnuReguladora");
        finish(program);
        PageWindow &page = program.open("frmReguladora");
        auto decoded = [&page](const QString &array) {
            QList<int> frames;
            for (FrameBox *box : page.frameBoxes())
                if (box->record().name == array && box->isPictureDecoded())
                    frames << *box->record().index;
            std::sort(frames.begin(), frames.end());
            return frames;
        };
        QCOMPARE(decoded("picVàlvulaReguladora"), QList<int>{0});
        QCOMPARE(decoded("picCircuitReguladora"), QList<int>{0});

        // Record what the next tick paints.
        struct PaintRecorder : QObject {
            QRegion painted;
            bool eventFilter(QObject *watched, QEvent *event) override
            {
                if (event->type() == QEvent::Paint) {
                    auto *widget = static_cast<QWidget *>(watched);
                    const QRegion region = static_cast<QPaintEvent *>(event)->region();
                    painted += region.translated(widget->mapTo(widget->window(), QPoint()));
                }
                return false;
            }
        } recorder;
        page.surface()->installEventFilter(&recorder);
        for (FrameBox *box : page.frameBoxes())
            box->installEventFilter(&recorder);

        program.open("frmReguladora").button("cmdSimularReguladora").click();
        finish(program);
        recorder.painted = {};
        program.clock.setSecond(3);
        program.fire("frmReguladora", "tmrRellotge");
        finish(program);
        QCOMPARE(decoded("picVàlvulaReguladora"), QList<int>({0, 3}));
        QCOMPARE(decoded("picCircuitReguladora"), QList<int>{0});
        // Frame 0 hidden and frame 3 shown: both lie in one place, so the tick
        // repaints that place and nothing else.
        const FrameBox &shown = page.pictureBox("picVàlvulaReguladora", 3);
        const QRect place = QRect(shown.mapTo(shown.window(), QPoint()), shown.size())
                                .united(QRect(page.pictureBox("picVàlvulaReguladora", 0).mapTo(shown.window(), QPoint()),
                                              page.pictureBox("picVàlvulaReguladora", 0).size()));
        QVERIFY(!recorder.painted.isEmpty());
        QCOMPARE(recorder.painted.boundingRect(), place);
        int images = 0;
        for (const ControlRecord &record : page.description().controls)
            images += std::holds_alternative<ImageRecord>(record);
        QCOMPARE(HeldPicture::heldCount(), 3 + images);  // three frames and the page's images
    }

    void aFrameWhollyBehindAnotherIsDecodedOnlyOnceUncovered()
    {
        Program program;
        QVERIFY(QTest::qWaitForWindowExposed(program.navigator.frame()));
        program.menu("mnuÈmbol");
        finish(program);
        PageWindow &page = program.open("frmCompressorDePistons");
        auto decoded = [&page] {
            QList<int> frames;
            for (FrameBox *box : page.frameBoxes())
                if (box->isPictureDecoded())
                    frames << *box->record().index;
            std::sort(frames.begin(), frames.end());
            return frames;
        };
        // Frames 0 and 1 are visible after Load, but frame 1 lies wholly behind 0.
        QVERIFY(page.pictureBox("picCompressorDePistons", 1).visibleFlag());
        QCOMPARE(decoded(), QList<int>{0});
        // Second 2: frame 0 hides, the shorter frame 2 shows and leaves a strip
        // of frame 1 below it, which is painted and so decoded.
        program.clock.setSecond(2);
        program.fire("frmCompressorDePistons", "tmrRellotge");
        finish(program);
        QCOMPARE(decoded(), QList<int>({0, 1, 2}));
    }
};

VENTIRO_TEST_MAIN(MemoryTest)
#include "test_memory.moc"
