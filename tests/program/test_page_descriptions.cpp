// SPDX-License-Identifier: GPL-3.0-or-later
// Consistency of every page description with its handlers and with the picture
// catalogue: the faults a slip in a layout table or a handler table would cause.
#include "TestSupport.h"

#include "AnimationChannel.h"
#include "ComponentPages.h"
#include "PageRegistry.h"
#include "PagePainting.h"
#include "PictureCatalogue.h"
#include "RenderChecks.h"

#include <QProcess>
#include <QSet>

class PageDescriptionsTest final : public QObject {
    Q_OBJECT

private:
    static QList<PageContent> allPages()
    {
        QList<PageContent> pages;
        for (const RegistryEntry &entry : pageRegistry())
            if (entry.content)
                pages.append(entry.content());
        return pages;
    }

    static QHash<QString, QList<const PictureBoxRecord *>> frameArrays(const PageDescription &description)
    {
        QHash<QString, QList<const PictureBoxRecord *>> arrays;
        for (const ControlRecord &record : description.controls)
            if (const auto *box = std::get_if<PictureBoxRecord>(&record))
                arrays[box->name].append(box);
        return arrays;
    }

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void tabIndicesRunFromZeroWithoutGapsOnEveryPage()
    {
        for (const PageContent &page : allPages()) {
            QList<int> tabs;
            for (const ControlRecord &record : page.description.controls) {
                std::visit([&](const auto &r) {
                    if constexpr (requires { r.tabIndex; })
                        tabs.append(r.tabIndex);
                    if constexpr (requires { r.children; })
                        for (const LabelRecord &child : r.children)
                            tabs.append(child.tabIndex);
                }, record);
            }
            std::sort(tabs.begin(), tabs.end());
            for (int i = 0; i < tabs.size(); ++i)
                QVERIFY2(tabs[i] == i, qUtf8Printable(page.description.name + ": tab index " + QString::number(i)));
        }
    }

    void frameArraysMatchTheCatalogue()
    {
        QHash<QString, PictureArray> catalogue;
        for (const PictureArray &array : pictureArrays())
            catalogue.insert(array.page + u'/' + array.control, array);
        int arrays = 0;
        for (const PageContent &page : allPages()) {
            const auto found = frameArrays(page.description);
            for (auto it = found.begin(); it != found.end(); ++it) {
                ++arrays;
                const QString where = page.description.name + u'/' + it.key();
                QVERIFY2(catalogue.contains(where), qUtf8Printable(where));
                const PictureArray &entry = catalogue[where];
                QSet<int> indices;
                int visible = 0;
                for (const PictureBoxRecord *box : it.value()) {
                    indices.insert(*box->index);
                    visible += box->visible;
                    QCOMPARE(box->picture, framePictureName(page.description.name, it.key(), *box->index));
                }
                QCOMPARE(indices.size(), entry.frames);
                QCOMPARE(*std::max_element(indices.begin(), indices.end()), entry.frames - 1);
                QVERIFY2(visible <= 1, qUtf8Printable(where));
            }
        }
        int catalogued = 0;
        for (const ComponentPage &row : componentPages())
            for (const PagePicture &picture : row.pictures)
                catalogued += picture.frames > 0;
        QCOMPARE(arrays, catalogued);
    }

    void everyPictureReferenceResolvesToACatalogueEntry()
    {
        QHash<QString, QSize> sizes;
        for (const PictureResource &resource : pictureResources())
            sizes.insert(resource.name, resource.size);
        int images = 0;
        for (const PageContent &page : allPages()) {
            if (!page.description.icon.isEmpty())
                QVERIFY(sizes.contains(page.description.icon));
            for (const ControlRecord &record : page.description.controls) {
                if (const auto *box = std::get_if<PictureBoxRecord>(&record))
                    QVERIFY2(sizes.contains(box->picture), qUtf8Printable(box->picture));
                if (const auto *image = std::get_if<ImageRecord>(&record)) {
                    ++images;
                    QVERIFY2(sizes.contains(image->picture), qUtf8Printable(image->picture));
                    // An image is exactly as large as its picture.
                    QCOMPARE(QSize(image->rect.width, image->rect.height), sizes[image->picture] * TwipsPerPixel);
                }
            }
        }
        qsizetype catalogued = componentPages().size();  // a picture button each on the home page
        for (const ComponentPage &row : componentPages())
            for (const PagePicture &picture : row.pictures)
                catalogued += picture.frames == 0;
        QCOMPARE(images, catalogued);
    }

    void handlersNameControlsThePageHasAndTickTheirOwnArrays()
    {
        for (const RegistryEntry &entry : pageRegistry()) {
            if (!entry.content)
                continue;
            const PageContent content = entry.content();
            QSet<QString> names;
            QSet<QString> buttons, timers;
            for (const ControlRecord &record : content.description.controls) {
                names.insert(recordName(record));
                if (std::holds_alternative<ButtonRecord>(record))
                    buttons.insert(recordName(record));
                if (std::holds_alternative<TimerRecord>(record))
                    timers.insert(recordName(record));
            }
            QSet<QString> clicked, ticked;
            for (const HandlerBinding &binding : content.handlers) {
                QVERIFY2(binding.control.isEmpty() || names.contains(binding.control),
                         qUtf8Printable(entry.page + ": " + binding.control));
                if (binding.event == PageEvent::Click)
                    clicked.insert(binding.control);
                if (binding.event == PageEvent::Timer)
                    ticked.insert(binding.control);
            }
            QCOMPARE(clicked, buttons);  // every button does something
            QCOMPARE(ticked, timers);    // every timer steps a channel
        }
        // The registry binds every component row, and nothing else, to a page.
        QStringList bound = componentPagesInRegistryOrder(), rows;
        for (const ComponentPage &row : componentPages())
            rows.append(row.page);
        bound.sort();
        rows.sort();
        QCOMPARE(bound, rows);
    }

    void everyComponentPageShowsItsTitle_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("title");
        auto row = [](const char *page, const char *title) {
            QTest::newRow(page) << QString::fromUtf8(page) << QString::fromUtf8(title);
        };
        row("frmCompressorDePistons", "COMPRESSOR DE PISTONS O ÈMBOL");
        row("frmCompressorDePaletes", "COMPRESSOR DE PALETES");
        row("frmFiltre", "FILTRE");
        row("frmRegPressió", "REGULADOR DE PRESSIÓ");
        row("frmLubrificant", "LUBRIFICADOR");
        row("frmValvula32", "VÀLVULA DISTRIBUÏDORA 3/2");
        row("frmValvula42", "VÀLVULA DISTRIBUÏDORA 4/2");
        row("frmValvula52", "VÀLVULA DISTRIBUÏDORA 5/2");
        row("frmAntiretorn", "VÀLVULA  ANTIRETORN");
        row("frmSelectora", "VÀLVULA  SELECTORA");
        row("frmSimultaneïtat", "VÀLVULA  DE SIMULTANEÏTAT");
        row("frmEscapamentRapid", "VÀLVULA D'ESCAPAMENT RÀPID");
        row("frmLimitadora", "VÀLVULA  LIMITADORA DE PRESSIÓ");
        row("frmReguladora", "VÀLVULA   REGULADORA I ANTIRETORN");
    }

    void everyComponentPageShowsItsTitle()
    {
        // Each title is one line of 12-point bold Arial (16 pixels), centred in its label.
        QFETCH(QString, page);
        QFETCH(QString, title);
        Program program;
        program.navigator.openComponentPage(page);
        PageWindow &window = program.open(page);
        const LabelRecord &label = window.label("lblTitol");
        QCOMPARE(label.caption, title);
        QCOMPARE(label.font, (FontSpec{.face = "Arial", .points = 12, .weight = 700}));
        QCOMPARE(label.alignment, Alignment::Centre);

        window.surface()->resize(800, 600);
        QImage shown(window.surface()->size(), QImage::Format_RGB32);
        window.surface()->render(&shown);
        const QRect place = pixelRect(label.rect);
        const QRect ink = RenderChecks::inkBounds(shown, shown.pixel(place.topLeft()), place);
        QFont expected(QStringLiteral("Liberation Sans"));
        expected.setPixelSize(16);
        expected.setBold(true);
        const QRect expectedInk = QFontMetrics(expected).tightBoundingRect(title);
        QVERIFY2(qAbs(ink.width() - expectedInk.width()) <= 2, qUtf8Printable(QStringLiteral("%1 against %2").arg(ink.width()).arg(expectedInk.width())));
        QVERIFY(qAbs(ink.center().x() - place.center().x()) <= 1);
    }

    void thePageListingToolPrintsEveryRecord()
    {
        QProcess tool;
        tool.start(QStringLiteral(VENTIRO_PAGES_PROGRAM));
        QVERIFY(tool.waitForFinished(20000));
        QCOMPARE(tool.exitCode(), 0);
        QHash<QString, int> rowsPerPage;
        const QStringList lines = QString::fromUtf8(tool.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        for (const QString &line : lines.mid(1)) {
            const QStringList columns = line.split(u'\t');
            QCOMPARE(columns.size(), 13);
            ++rowsPerPage[columns[0]];
        }
        for (const PageContent &page : allPages()) {
            int records = 1;  // the page itself
            for (const ControlRecord &record : page.description.controls) {
                ++records;
                if (const auto *box = std::get_if<PictureBoxRecord>(&record))
                    records += box->children.size();
            }
            QCOMPARE(rowsPerPage.value(page.description.name), records);
        }
        // The frame, its headings and a command for each component page.
        QSet<const MenuHeading *> headings;
        for (const ComponentPage &row : componentPages())
            if (row.menu.heading)
                headings.insert(row.menu.heading);
        QCOMPARE(rowsPerPage.value("MDIIniciPneumatica"), 1 + headings.size() + componentPages().size());
    }

    void eachTimerStepsTheArrayWithItsOwnFrameCount()
    {
        // Run every page's ticks against the built page at each second of a
        // minute: a wrong modulus or array name fails on a missing frame.
        for (const RegistryEntry &entry : pageRegistry()) {
            if (entry.kind != PageKind::Component)
                continue;
            Program program;
            program.navigator.openComponentPage(entry.page);
            PageWindow &page = program.open(entry.page);
            const auto arrays = frameArrays(page.description());
            for (int second = 0; second < 60; ++second) {
                program.clock.setSecond(second);
                for (const ChannelRecord &channel : page.description().channels) {
                    program.fire(entry.page, channel.timer);
                    const auto after = program.navigator.instance(entry.page)->variables.storedFrames;
                    for (auto it = after.begin(); it != after.end(); ++it)
                        QVERIFY(it.value() && *it.value() < arrays[it.key()].size());
                }
            }
            const auto stored = program.navigator.instance(entry.page)->variables.storedFrames;
            QCOMPARE(stored.size(), arrays.size());  // each array has its own channel
            for (auto it = stored.begin(); it != stored.end(); ++it)
                QCOMPARE(*it.value(), qint16(59 % arrays[it.key()].size()));
        }
    }
};

VENTIRO_TEST_MAIN(PageDescriptionsTest)
#include "test_page_descriptions.moc"
