// SPDX-License-Identifier: GPL-3.0-or-later
// Building and drawing pages from their descriptions: label wrapping, stacking,
// picture boxes, colours, fonts, lookup, focus and keyboard.
#include "TestSupport.h"

#include "HomePage.h"
#include "LabelLayout.h"
#include "PagePainting.h"
#include "PageRegistry.h"
#include "RenderChecks.h"
#include "Pictures.h"
#include "SystemColours.h"

#include <QFontInfo>
#include <QSignalSpy>

class PageFrameworkTest final : public QObject {
    Q_OBJECT

private:
    static LabelRecord labelOf(const PageContent &content, const QString &name)
    {
        for (const ControlRecord &record : content.description.controls)
            if (const auto *label = std::get_if<LabelRecord>(&record); label && label->name == name)
                return *label;
        qFatal("no label %s", qUtf8Printable(name));
    }

    static QStringList wrapped(const LabelRecord &label)
    {
        return wrapCaption(label.caption, QFontMetricsF(fontFor(label.font.value_or(pageDefaultFont()))),
                           label.rect.width / TwipsPerPixel);
    }

    static QImage render(QWidget &widget)
    {
        QImage image(widget.size(), QImage::Format_RGB32);
        widget.render(&image);
        return image;
    }

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void portLegendsShowOneEntryPerLine()
    {
        const QList<QPair<PageContent, QStringList>> legends = {
            {valve32Page(), {"P = Entrada de pressió", "A = Sortida al cilindre", "R = Escapament"}},
            {valve42Page(), {"P = Entrada de pressió", "A = Sortida al cilindre", "B = Sortida al cilindre",
                             "T = Escapament"}},
            {valve52Page(), {"P = Entrada de pressió", "A = Sortida al cilindre", "B = Sortida al cilindre",
                             "R = Escapament", "T = Escapament"}},
            {quickExhaustValvePage(), {"P = Entrada de pressió", "A = Sortida/Entrada cilindre", "R = Escapament"}},
        };
        for (const auto &[page, lines] : legends) {
            const LabelRecord legend = labelOf(page, "lblOberturtes");
            QCOMPARE(wrapped(legend), lines);
            // Every line fits the label, and the label is tall enough for all of them.
            const QFont font = fontFor(*legend.font);
            QVERIFY(lines.size() * QFontMetrics(font).height() <= legend.rect.height / TwipsPerPixel + 1);
        }
    }

    void wrappingBreaksAtSpacesAndKeepsRunsInsideALine()
    {
        const QFontMetricsF metrics(fontFor({.face = "Arial", .points = 9.75}));
        const qreal wide = metrics.horizontalAdvance("aaa  bbb") + 1;
        QCOMPARE(wrapCaption("aaa  bbb", metrics, wide), QStringList{"aaa  bbb"});
        QCOMPARE(wrapCaption("aaa  bbb", metrics, wide - 2), QStringList({"aaa", "bbb"}));
        QCOMPARE(wrapCaption("aaa bbb ccc", metrics, metrics.horizontalAdvance("aaa bbb")),
                 QStringList({"aaa bbb", "ccc"}));
        // A word wider than the label stays whole on a line of its own.
        QCOMPARE(wrapCaption("x abcdefghijklmnop y", metrics, metrics.horizontalAdvance("abcdef")),
                 QStringList({"x", "abcdefghijklmnop", "y"}));
        // A long run of spaces pushes what follows to the next line, however short.
        QCOMPARE(wrapCaption(QStringLiteral("abc") + QString(40, u' ') + QStringLiteral("d"), metrics, 150),
                 QStringList({"abc", "d"}));
        QVERIFY(wrapCaption(QString(), metrics, 100).isEmpty());
    }

    void aLongRunOfSpacesEndsAParagraph()
    {
        const QList<QPair<LabelRecord, QString>> texts = {
            {labelOf(filterPage(), "lblExplicacio1"), "El funcionament del filtre"},
            {labelOf(lubricatorPage(), "lblExplicacio1"), "El seu funcionament"},
            {labelOf(pressureRegulatorPage(), "lblExplicacio1"), "La vàlvula de pressió"},
        };
        for (const auto &[label, paragraph] : texts) {
            const QStringList lines = wrapped(label);
            QVERIFY2(std::any_of(lines.begin(), lines.end(), [&](const QString &line) { return line.startsWith(paragraph); }),
                     qUtf8Printable(lines.join(u'|')));
            // ... and the run of spaces itself is dropped at the break.
            for (const QString &line : lines)
                QVERIFY(!line.endsWith(u' ') && !line.startsWith(u' '));
        }
    }

    void textsWithoutLongRunsWrapWordByWord()
    {
        // Double spaces are kept but wrap like any other: plain greedy wrapping.
        const LabelRecord text = labelOf(limitingValvePage(), "lblExplicació");
        const QFontMetricsF metrics(fontFor(*text.font));
        const qreal width = text.rect.width / TwipsPerPixel;
        QStringList greedy;
        QString line;
        for (const QString &word : text.caption.split(u' ', Qt::KeepEmptyParts)) {
            const QString candidate = line.isNull() ? word : line + u' ' + word;
            if (line.isNull() || metrics.horizontalAdvance(candidate.trimmed()) <= width || word.isEmpty()) {
                line = candidate;
            } else {
                greedy << line.trimmed();
                line = word;
            }
        }
        greedy << line.trimmed();
        QStringList ours = wrapCaption(text.caption, metrics, width);
        for (QString &l : ours)
            l = l.trimmed();
        QCOMPARE(ours, greedy);
    }

    void creditLabelWrapsAtItsSpacesOnlyWhereItDoesNotFit()
    {
        const LabelRecord credit = labelOf(homePage(), "Label1");
        QCOMPARE(wrapped(credit), QStringList{"Ventiro     Quelmar"});
        const QFontMetricsF metrics(fontFor(pageDefaultFont()));
        QCOMPARE(wrapCaption(credit.caption, metrics, metrics.horizontalAdvance("Quelmar") + 2),
                 QStringList({"Ventiro", "Quelmar"}));
    }

    void fontsAreSubstitutedAndSizedInPixels()
    {
        const QFont arial = fontFor({.face = "Arial", .points = 9.75, .weight = 700});
        QCOMPARE(arial.pixelSize(), 13);
        QCOMPARE(QFontInfo(arial).family(), QStringLiteral("Liberation Sans"));
        QVERIFY(QFontInfo(arial).bold());
        const QFont title = fontFor({.face = "Dutch801 XBd BT", .points = 36, .weight = 700, .italic = true});
        QCOMPARE(title.pixelSize(), 48);
        QCOMPARE(QFontInfo(title).family(), QStringLiteral("Liberation Serif"));
        QVERIFY(QFontInfo(title).italic());
        QCOMPARE(fontFor(pageDefaultFont()).pixelSize(), 11);
        QCOMPARE(QFontInfo(fontFor({.face = "MS Sans Serif", .points = 12})).family(), QStringLiteral("Liberation Sans"));
    }

    void earlierLabelsLieInFrontAndLabelsAreOpaque()
    {
        PageDescription description{.name = "frmProva", .background = 0x00FFFFFF, .clientRect = {0, 0, 3000, 1500}};
        description.controls = {
            LabelRecord{.name = "front", .rect = {0, 0, 600, 300}, .background = 0x000000FF},
            LabelRecord{.name = "back", .rect = {300, 150, 600, 300}, .background = 0x00FF0000},
        };
        PageSurface surface(description, nullptr);
        surface.resize(200, 100);
        const QImage image = render(surface);
        QCOMPARE(image.pixelColor(30, 15), QColor(255, 0, 0));   // overlap: the earlier label
        QCOMPARE(image.pixelColor(50, 25), QColor(0, 0, 255));   // the later label's own part
        QCOMPARE(image.pixelColor(150, 80), QColor(255, 255, 255));
    }

    void pictureBoxesCutTheirPictureAndShowTheirBackground()
    {
        const QImage picture = GetPicture("frmHidràulica/ImgV32Boto.gif");
        QCOMPARE(picture.size(), QSize(60, 30));
        PageDescription description{.name = "frmProva", .clientRect = {0, 0, 3000, 1500}};
        description.controls = {
            PictureBoxRecord{.name = "small", .rect = {0, 0, 600, 300}, .picture = "frmHidràulica/ImgV32Boto.gif"},
            PictureBoxRecord{.name = "large", .rect = {0, 600, 1200, 600}, .picture = "frmHidràulica/ImgV32Boto.gif"},
        };
        PageWindow window(description);
        const QImage cut = render(window.pictureBox("small"));
        QCOMPARE(cut.size(), QSize(40, 20));
        QCOMPARE(cut, picture.convertToFormat(QImage::Format_RGB32).copy(0, 0, 40, 20));  // not scaled
        const QImage framed = render(window.pictureBox("large"));
        QCOMPARE(framed.copy(0, 0, 60, 30), picture.convertToFormat(QImage::Format_RGB32));
        QCOMPARE(framed.pixelColor(70, 35), standardSystemColour(5));
    }

    void systemColoursAreLookedUpWhenPainting()
    {
        Program program;
        program.menu("mnuFiltre");
        PageWindow &page = program.open("frmFiltre");
        page.surface()->resize(792, 722);
        QCOMPARE(render(*page.surface()).pixelColor(780, 700), QColor(255, 255, 255));
        {
            const RenderChecks::SystemColourScope scheme(
                [](int index) { return index == 9 ? QColor(10, 200, 30) : standardSystemColour(index); });
            QCOMPARE(render(*page.surface()).pixelColor(780, 700), QColor(10, 200, 30));
        }
        QCOMPARE(resolveColour(0x00C00000), QColor(0, 0, 192));  // RGB values: red in the low byte
    }

    void labelsInsideFramesGoWithTheirFrame()
    {
        Program program;
        program.menu("mnuVàlvula3_2");
        PageWindow &page = program.open("frmValvula32");
        for (int index : {0, 1, 3, 4, 5, 7})
            QCOMPARE(page.label("lblA", index).caption, QStringLiteral("A"));
        QVERIFY_THROWS_EXCEPTION(MissingControl, page.label("lblA", 6));
        QVERIFY_THROWS_EXCEPTION(MissingControl, page.label("lblA"));
        // "Pressió" hangs below frame 4's bottom edge and is cut there; the page
        // below the frame stays clean.
        FrameBox &frame4 = page.pictureBox("picVàlvula32", 4);
        QCOMPARE(frame4.height(), 265);
        QCOMPARE(pixelRect(page.label("lblPressió", 1).rect).bottom(), 272);
        page.surface()->resize(800, 600);
        frame4.setVisibleFlag(true);
        const QImage shown = render(*page.surface());
        frame4.setVisibleFlag(false);
        QVERIFY(!frame4.isVisible());
        QCOMPARE(shown.pixelColor(frame4.x() + 180, frame4.geometry().bottom() + 3), QColor(255, 255, 255));
    }

    void portNamesAreDrawnOverTheThreeTwoValveSection_data()
    {
        QTest::addColumn<int>("frame");
        QTest::addColumn<QRect>("place");  // in the frame's own pixels
        const QRect portA(232, 24, 33, 25), pressure(136, 240, 97, 33), exhaust(192, 240, 129, 17);
        QTest::newRow("frame 0: A") << 0 << portA;
        QTest::newRow("frame 0: Escapament") << 0 << exhaust;
        QTest::newRow("frame 1: A") << 1 << portA;
        QTest::newRow("frame 1: Escapament") << 1 << exhaust;
        QTest::newRow("frame 2: A") << 2 << portA;
        QTest::newRow("frame 3: A") << 3 << portA;
        QTest::newRow("frame 4: A") << 4 << portA;
        QTest::newRow("frame 4: Pressió") << 4 << pressure;
        QTest::newRow("frame 5: A") << 5 << portA;
        QTest::newRow("frame 5: Pressió") << 5 << pressure;
    }

    void portNamesAreDrawnOverTheThreeTwoValveSection()
    {
        // Black letters on a white label, centred in it, over the frame's picture.
        QFETCH(int, frame);
        QFETCH(QRect, place);
        Program program;
        program.navigator.openComponentPage("frmValvula32");
        const QImage shown = render(program.open("frmValvula32").pictureBox("picVàlvula32", frame));
        const QRect ink = RenderChecks::inkBounds(shown, qRgb(255, 255, 255), place);
        QVERIFY(!ink.isEmpty());
        QCOMPARE(shown.pixel(place.topLeft()), qRgb(255, 255, 255));
        QVERIFY2(qAbs(ink.center().x() - place.center().x()) <= 1, qUtf8Printable(QString::number(ink.center().x())));
        bool black = false;
        for (int y = ink.top(); y <= ink.bottom(); ++y)
            for (int x = ink.left(); x <= ink.right(); ++x)
                black = black || shown.pixel(x, y) == qRgb(0, 0, 0);
        QVERIFY(black);
    }

    void focusTabOrderAndKeyboard()
    {
        Program program;
        PageWindow &home = program.open(PageName::Home);
        QCOMPARE(program.navigator.frame()->focusWidget(), &home.button("cmdSortir"));
        QTest::keyClick(&home.button("cmdSortir"), Qt::Key_Return);
        QCOMPARE(program.quitRequests, 1);
        QTest::keyClick(&home.button("cmdSortir"), Qt::Key_Space);
        QCOMPARE(program.quitRequests, 2);

        program.menu("mnuVàlvula4_2");
        PageWindow &page = program.open("frmValvula42");
        QStringList order;
        for (QPushButton *button : page.buttonsInTabOrder())
            order << button->objectName();
        QCOMPARE(order, QStringList({"cmdSimularV42", "cmdPararV42", "cmdSimularCir42", "cmdPararCirc", "cmdSortir"}));
        QWidget *next = order.isEmpty() ? nullptr : &page.button(order.first());
        for (const QString &name : order) {
            QCOMPARE(next, &page.button(name));
            next = next->nextInFocusChain();
            while (next && next->focusPolicy() == Qt::NoFocus)
                next = next->nextInFocusChain();
        }
        QTest::keyClick(&page.button("cmdSimularV42"), Qt::Key_Enter);
        QVERIFY(page.timer("tmrRellotge").isActive());
    }

    void timersDeliverTheirTicks()
    {
        Program program;
        program.menu("mnuLubrificador");
        QTimer &timer = program.open("frmLubrificant").timer("tmrRellotge");
        program.clock.setSecond(40);
        timer.setInterval(1);
        QTRY_COMPARE(program.navigator.instance("frmLubrificant")->variables.storedFrames.value("picLubrificant"),
                     std::optional<qint16>(4));
    }

    void stackingFollowsStoredOrderOnEveryPage()
    {
        // For every page: of two windowed controls, the one stored earlier is higher
        // in the window's stacking.
        for (const RegistryEntry &entry : pageRegistry()) {
            if (!entry.content)
                continue;
            PageWindow window(entry.content().description);
            const QObjectList children = window.surface()->children();  // bottom to top
            int lastPosition = INT_MAX;
            for (QObject *child : children) {
                auto *widget = qobject_cast<QWidget *>(child);
                if (!widget)
                    continue;
                int position = 0;
                for (const ControlRecord &record : entry.content().description.controls) {
                    if (recordName(record) == widget->objectName()
                        && (!qobject_cast<FrameBox *>(widget)
                            || recordIndex(record) == static_cast<FrameBox *>(widget)->record().index))
                        break;
                    ++position;
                }
                QVERIFY2(position < lastPosition, qUtf8Printable(entry.page + " " + widget->objectName()));
                lastPosition = position;
            }
        }
    }
};

VENTIRO_TEST_MAIN(PageFrameworkTest)
#include "test_page_framework.moc"
