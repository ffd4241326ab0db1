// SPDX-License-Identifier: GPL-3.0-or-later
// The two ways a user reaches a component page: the main frame's menu and the home
// page's picture buttons. Each row says, in this file's own words, which entry or
// button opens which page; nothing is read back from the program's tables.
#include "TestSupport.h"

#include "Pictures.h"

#include <QMenu>
#include <QPainter>
#include <QMenuBar>

class MenuAndHomeTest final : public QObject {
    Q_OBJECT

private:
    // The command as the user finds it: the heading's caption on the menu bar (empty
    // for a command on the bar itself), then the command's caption.
    static QAction *menuEntry(const MainFrame &frame, const QString &heading, const QString &command)
    {
        for (QAction *top : frame.menuBar()->actions()) {
            if (heading.isEmpty() && top->text() == command && !top->menu())
                return top;
            if (top->text() != heading || !top->menu())
                continue;
            for (QAction *entry : top->menu()->actions())
                if (entry->text() == command)
                    return entry;
        }
        return nullptr;
    }

    static void choose(Program &program, const QString &heading, const QString &command)
    {
        QAction *entry = menuEntry(*program.navigator.frame(), heading, command);
        if (!entry)
            QFAIL(qUtf8Printable(QStringLiteral("no menu entry %1 / %2").arg(heading, command)));
        entry->trigger();
    }

    static QRect pixels(int left, int top) { return {left / 15, top / 15, 60, 30}; }

    static QImage homePageAsShown(Program &program)
    {
        QWidget *surface = program.open("frmHidràulica").surface();
        QImage image(surface->size(), QImage::Format_RGB32);
        surface->render(&image);
        return image;
    }

    // The black letters of `image` within `area`, cut to their extent: black on white.
    static QImage letters(const QImage &image, QRect area)
    {
        QRect ink;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.pixel(x, y) == qRgb(0, 0, 0))
                    ink |= QRect(x, y, 1, 1);
        QImage cut(ink.size(), QImage::Format_RGB32);
        cut.fill(Qt::white);
        for (int y = 0; y < ink.height(); ++y)
            for (int x = 0; x < ink.width(); ++x)
                if (image.pixel(ink.left() + x, ink.top() + y) == qRgb(0, 0, 0))
                    cut.setPixel(x, y, qRgb(0, 0, 0));
        return cut;
    }

    // A line of a button's text as drawn in black bold 10-pixel sans-serif letters
    // without smoothing, with the given extra space between letters.
    static QImage lettersOf(const QString &line, qreal spacing)
    {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(10);
        font.setBold(true);
        font.setStyleStrategy(QFont::NoAntialias);
        font.setHintingPreference(QFont::PreferNoHinting);
        font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
        QImage canvas(120, 30, QImage::Format_RGB32);
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(10, 20, line);
        painter.end();
        return letters(canvas, canvas.rect());
    }

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void everyMenuEntryOpensItsPageFromEveryState_data()
    {
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("entryName");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("caption");
        auto row = [](const char *heading, const char *command, const char *name, const char *page,
                      const char *caption) {
            QTest::newRow(name) << QString::fromUtf8(heading) << QString::fromUtf8(command) << QString::fromUtf8(name)
                                << QString::fromUtf8(page) << QString::fromUtf8(caption);
        };
        row("&Compressors", "&Paletes", "mnuPaletes", "frmCompressorDePaletes", "Compressor de paletes");
        row("&Compressors", "È&mbol", "mnuÈmbol", "frmCompressorDePistons", "Compressor de pistons o d'èmbol");
        row("C&ondicionament", "&Filtre", "mnuFiltre", "frmFiltre", "FILTRE");
        row("C&ondicionament", "Re&gulador de Pressió", "mnuReguladorPressió", "frmRegPressió",
            " CONDICIONAMENT DE L'AIRE: REGULADOR DE PRESSIÓ");
        row("C&ondicionament", "L&ubrificador", "mnuLubrificador", "frmLubrificant", "LUBRIFICADOR");
        row("&Distribuïdores", "Vàlvula &3/2", "mnuVàlvula3_2", "frmValvula32", "Vàlvula distribuïdora 3/2");
        row("&Distribuïdores", "Vàlvula &4/2", "mnuVàlvula4_2", "frmValvula42", "Vàlvula distribuïdora 4/2");
        row("&Distribuïdores", "Vàlvula &5/2", "mnuVàlvula5_2", "frmValvula52", "Vàlvula distribuïdora 5/2");
        row("&Bloqueig", "&Simultaneïtat", "mnuSimultaneïtat", "frmSimultaneïtat", "Vàlvula de Simultaneïtat");
        row("&Bloqueig", "S&electora", "mnuSelectora", "frmSelectora", "Vàlvula Selectora");
        row("&Bloqueig", "Esca&pament Ràpid", "mnuEscapamentRàpid", "frmEscapamentRapid",
            "Vàlvula d'escapament ràpid");
        row("&Bloqueig", "&Antiretorn", "mnuAntiretorn", "frmAntiretorn", "Vàlvula antirretorn");
        row("", "&Limitadora", "mnuLimitadora", "frmLimitadora", "Vàlvula Limitadora de pressió");
        row("", "&Reguladora", "mnuReguladora", "frmReguladora", "Vàlvula reguladora amb antiretorn");
    }

    void everyMenuEntryOpensItsPageFromEveryState()
    {
        QFETCH(QString, heading);
        QFETCH(QString, command);
        QFETCH(QString, entryName);
        QFETCH(QString, page);
        QFETCH(QString, caption);
        Program program;
        QAction *entry = menuEntry(*program.navigator.frame(), heading, command);
        QVERIFY(entry);
        QCOMPARE(entry->objectName(), entryName);

        choose(program, heading, command);  // from the home page
        QCOMPARE(program.navigator.openPages(), QStringList{page});
        QCOMPARE(program.open(page).windowTitle(), caption);
        QVERIFY(program.open(page).isMaximized());

        // From another component page: the filter, or the 3/2 valve from the filter.
        if (page == "frmFiltre")
            choose(program, "&Distribuïdores", "Vàlvula &3/2");
        else
            choose(program, "C&ondicionament", "&Filtre");
        QVERIFY(!program.navigator.openPages().contains(page));
        choose(program, heading, command);
        QCOMPARE(program.navigator.openPages(), QStringList{page});

        program.open(page).close();  // the page's own close command leaves an empty frame
        program.settle();
        QVERIFY(program.navigator.openPages().isEmpty());
        choose(program, heading, command);
        QCOMPARE(program.navigator.openPages(), QStringList{page});
        QCOMPARE(program.open(page).windowTitle(), caption);
    }

    void everyPictureButtonOpensItsPage_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("page");
        auto row = [](const char *image, int left, int top, const char *page) {
            QTest::newRow(image) << QString::fromUtf8(image) << pixels(left, top) << QString::fromUtf8(page);
        };
        // The button grid: five columns 1800 twips apart, three rows 720 twips apart.
        row("ImgPistonsBoto", 2160, 2640, "frmCompressorDePistons");
        row("ImgPaletesBoto", 2160, 3360, "frmCompressorDePaletes");
        row("imgFiltre", 3960, 2640, "frmFiltre");
        row("imgReguladorPressió", 3960, 3360, "frmRegPressió");
        row("imgLubricador", 3960, 4080, "frmLubrificant");
        row("ImgV32Boto", 5760, 2640, "frmValvula32");
        row("imgV42Boto", 5760, 3360, "frmValvula42");
        row("imgV52Boto", 5760, 4080, "frmValvula52");
        row("imgAndBoto", 7560, 2640, "frmSimultaneïtat");
        row("ImgORBoto", 7560, 3360, "frmSelectora");
        row("ImgAntiretornBoto", 7560, 4080, "frmAntiretorn");
        row("ImgLimitadoraBoto", 9360, 2640, "frmLimitadora");
        row("ImgReguladoraBoto", 9360, 3360, "frmReguladora");
        row("imgEscapRàpidboto", 9360, 4080, "frmEscapamentRapid");
    }

    void everyPictureButtonOpensItsPage()
    {
        QFETCH(QString, image);
        QFETCH(QRect, place);
        QFETCH(QString, page);
        Program program;
        // The button's own picture is drawn at its place in the grid ...
        const QImage picture = GetPicture("frmHidràulica/" + image + ".gif").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(picture.size(), place.size());
        QCOMPARE(homePageAsShown(program).copy(place), picture);
        // ... and a press there, at its centre or at a corner, opens the page.
        for (const QPoint point : {place.center(), place.topLeft(), place.bottomRight()}) {
            if (!program.window("frmHidràulica"))
                program.open(program.navigator.openPages().first()).button("cmdSortir").click();
            QTest::mousePress(program.open("frmHidràulica").surface(), Qt::LeftButton, Qt::NoModifier, point);
            QCOMPARE(program.navigator.openPages(), QStringList{page});
            program.settle();
        }
    }

    void everyPictureButtonShowsItsText_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<QStringList>("lines");
        auto row = [](const char *image, QStringList lines) { QTest::newRow(image) << QString::fromUtf8(image) << lines; };
        row("ImgPistonsBoto", {"Compr.", "Pistons"});
        row("ImgPaletesBoto", {"Compr.", "Paletes"});
        row("imgFiltre", {"Filtre"});
        row("imgReguladorPressió", {"Regulador", "Pressió"});
        row("imgLubricador", {"Lubricador"});
        row("ImgV32Boto", {"Vàlvula", "3/2"});
        row("imgV42Boto", {"Vàlvula", "4/2"});
        row("imgV52Boto", {"Vàlvula", "5/2"});
        row("imgAndBoto", {"AND"});
        row("ImgORBoto", {"OR"});
        row("ImgAntiretornBoto", {"Antiretorn"});
        row("ImgLimitadoraBoto", {"Limitadora"});
        row("ImgReguladoraBoto", {"Reguladora"});
        row("imgEscapRàpidboto", {"Escapament", "Ràpid"});
    }

    void everyPictureButtonShowsItsText()
    {
        // Each line's letters as the picture shows them must be the line's text set
        // in the buttons' letters, at one of the letter spacings the buttons use.
        QFETCH(QString, image);
        QFETCH(QStringList, lines);
        const QImage picture = GetPicture("frmHidràulica/" + image + ".gif").convertToFormat(QImage::Format_RGB32);
        QList<QRect> bands;
        if (lines.size() == 1) {
            bands = {picture.rect()};
        } else {
            // The lines part at the row with the least black between them.
            int split = 0, least = INT_MAX;
            for (int y = 10; y < 20; ++y) {
                int black = 0;
                for (int x = 0; x < picture.width(); ++x)
                    black += picture.pixel(x, y) == qRgb(0, 0, 0);
                if (black < least)
                    least = black, split = y;
            }
            bands = {QRect(0, 0, picture.width(), split), QRect(0, split, picture.width(), picture.height() - split)};
        }
        for (int i = 0; i < lines.size(); ++i) {
            const QImage shown = letters(picture, bands[i]);
            bool matches = false;
            for (const qreal spacing : {0.0, 1.0, -0.5})
                matches = matches || shown == lettersOf(lines[i], spacing);
            QVERIFY2(matches, qUtf8Printable(lines[i]));
        }
    }

    void pressesBesideThePictureButtonsOpenNothing()
    {
        Program program;
        // Just outside the first button of each column, in the gaps between rows,
        // on the category labels and the title.
        for (const QPoint point : {QPoint(143, 175), QPoint(144 + 60, 180), QPoint(170, 206), QPoint(240, 230),
                                   QPoint(400, 150), QPoint(400, 100)}) {
            QTest::mousePress(program.open("frmHidràulica").surface(), Qt::LeftButton, Qt::NoModifier, point);
            QCOMPARE(program.navigator.openPages(), QStringList{"frmHidràulica"});
        }
    }
};

VENTIRO_TEST_MAIN(MenuAndHomeTest)
#include "test_menu_and_home.moc"
