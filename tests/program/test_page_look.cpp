// SPDX-License-Identifier: GPL-3.0-or-later
// What the pages show besides their labels: the grey dividing lines of the
// two-animation pages as painted, and the push buttons' font. Expected values are
// written here from the pages' layout, not taken from the page tables.
#include "TestSupport.h"

#include "RenderChecks.h"

#include <QFontInfo>

using namespace RenderChecks;

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Grey = qRgb(128, 128, 128);  // button shadow in the standard scheme

QImage shownPage(const Program &program, const QString &page)
{
    PageWindow &window = program.open(page);
    window.surface()->resize(792, 722);
    QImage image(window.surface()->size(), QImage::Format_RGB32);
    window.surface()->render(&image);
    return image;
}

// The runs of `colour` along a row (horizontal) or a column: first and last index.
QList<QPair<int, int>> runsOf(const QImage &image, QRgb colour, int fixed, bool alongRow)
{
    QList<QPair<int, int>> runs;
    const int length = alongRow ? image.width() : image.height();
    int start = -1;
    for (int i = 0; i <= length; ++i) {
        const bool hit = i < length && (alongRow ? image.pixel(i, fixed) : image.pixel(fixed, i)) == colour;
        if (hit && start < 0)
            start = i;
        if (!hit && start >= 0) {
            runs.append({start, i - 1});
            start = -1;
        }
    }
    return runs;
}

QString describe(const QList<QPair<int, int>> &runs)
{
    QStringList parts;
    for (const auto &[first, last] : runs)
        parts << QStringLiteral("%1-%2").arg(first).arg(last);
    return parts.join(u' ');
}

// One run of exactly `width` pixels that covers `centre` give or take a pixel.
bool isStroke(const QList<QPair<int, int>> &runs, int centre, int width)
{
    return std::any_of(runs.begin(), runs.end(), [&](const QPair<int, int> &run) {
        return run.second - run.first + 1 == width && run.first <= centre + 1 && run.second >= centre - 1;
    });
}

} // namespace

class PageLookTest final : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    // Line1 stands at X 7560 twips (pixel 504) from the top to 8520 twips
    // (pixel 568); Line2 runs across at 5640 twips (pixel 376), 5880 on the
    // non-return valve's page. Both are 4 pixels wide and grey.
    void dividingLinesAreFourPixelsWideAndGrey_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("line2");
        QTest::newRow("3/2 valve") << "mnuVàlvula3_2" << "frmValvula32" << 376;
        QTest::newRow("4/2 valve") << "mnuVàlvula4_2" << "frmValvula42" << 376;
        QTest::newRow("5/2 valve") << "mnuVàlvula5_2" << "frmValvula52" << 376;
        QTest::newRow("non-return") << "mnuAntiretorn" << "frmAntiretorn" << 392;
        QTest::newRow("shuttle") << "mnuSelectora" << "frmSelectora" << 376;
        QTest::newRow("two-pressure") << "mnuSimultaneïtat" << "frmSimultaneïtat" << 376;
        QTest::newRow("quick exhaust") << "mnuEscapamentRàpid" << "frmEscapamentRapid" << 376;
        QTest::newRow("limiting") << "mnuLimitadora" << "frmLimitadora" << 376;
        QTest::newRow("flow regulator") << "mnuReguladora" << "frmReguladora" << 376;
    }

    void dividingLinesAreFourPixelsWideAndGrey()
    {
        QFETCH(QString, menu);
        QFETCH(QString, page);
        QFETCH(int, line2);
        Program program;
        program.menu(menu);
        const QImage image = shownPage(program, page);
        for (int row : {10, line2 - 30, line2 + 60, 560}) {
            const auto runs = runsOf(image, Grey, row, true);
            QVERIFY2(isStroke(runs, 504, 4), qUtf8Printable(QStringLiteral("Line1 at row %1: grey at %2").arg(row).arg(describe(runs))));
        }
        QCOMPARE(QColor(image.pixel(504, 580)), QColor(White));  // it ends at 568
        for (int column : {20, 300, 460, 700, 770}) {
            const auto runs = runsOf(image, Grey, column, false);
            QVERIFY2(isStroke(runs, line2, 4), qUtf8Printable(QStringLiteral("Line2 at column %1: grey at %2").arg(column).arg(describe(runs))));
        }
    }

    void dividingLinesFollowTheColourScheme()
    {
        const SystemColourScope scheme([](int index) { return index == 16 ? QColor(0, 128, 0) : standardSystemColour(index); });
        Program program;
        program.menu("mnuVàlvula4_2");
        const QImage image = shownPage(program, "frmValvula42");
        QVERIFY(isStroke(runsOf(image, qRgb(0, 128, 0), 10, true), 504, 4));
        QVERIFY(isStroke(runsOf(image, qRgb(0, 128, 0), 300, false), 376, 4));
    }

    // Every push button uses the page default font: Liberation Sans (for
    // "MS Sans Serif") at 11 pixels (8.25 points), normal weight.
    void pushButtonsUseThePageDefaultFont_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("buttons");
        const auto two = [](const char *page, QStringList buttons) {
            QTest::newRow(page) << QString::fromUtf8(page) << (buttons << "cmdSortir");
        };
        QTest::newRow("home") << PageName::Home << QStringList{"cmdSortir"};
        for (const char *page : {"frmCompressorDePistons", "frmCompressorDePaletes", "frmFiltre", "frmRegPressió", "frmLubrificant"})
            QTest::newRow(page) << QString::fromUtf8(page) << QStringList{"cmdSortir"};
        two("frmValvula32", {"cmdSimularV32", "cmdPararV32", "cmdSimularCir", "cmdPararCirc"});
        two("frmValvula42", {"cmdSimularV42", "cmdPararV42", "cmdSimularCir42", "cmdPararCirc"});
        two("frmValvula52", {"cmdSimularV52", "cmdPararV52", "cmdSimularCir", "cmdPararCirc"});
        two("frmAntiretorn", {"cmdSimularAntiretorn", "cmdPararAntiretorn", "cmdSimularCirAntiretorn", "cmdPararCircAntiretorn"});
        two("frmSelectora", {"cmdSimularSelectora", "cmdPararSelectora", "cmdSimularCirSelectora", "cmdPararCircSelectora"});
        two("frmSimultaneïtat", {"cmdSimularSimultaneïtat", "cmdPararSimultaneïtat", "cmdSimularCirSimultaneïtat",
                                 "cmdPararCircSimultaneïtat"});
        two("frmEscapamentRapid", {"cmdSimularEscapamentRàpid", "cmdPararEscapamentRàpid", "cmdSimularCirEscapamentRàpid",
                                   "cmdPararCirc"});
        two("frmLimitadora", {"cmdSimularLimit", "cmdPararLimit", "cmdSimularCirLimit", "cmdPararCircLimit"});
        two("frmReguladora", {"cmdSimularReguladora", "cmdPararReguladora", "cmdSimularCirReguladora", "cmdPararCircReguladora"});
    }

    void pushButtonsUseThePageDefaultFont()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, buttons);
        const RegistryEntry *entry = findRegistryEntry(page);
        QVERIFY(entry && entry->content);
        PageWindow window(entry->content().description);
        QCOMPARE(window.buttonsInTabOrder().size(), buttons.size());
        for (const QString &name : buttons) {
            const QFontInfo font(window.button(name).font());
            QCOMPARE(font.family(), QStringLiteral("Liberation Sans"));
            QCOMPARE(font.pixelSize(), 11);
            QVERIFY(!font.bold());
            QVERIFY(!font.italic());
        }
    }
};

VENTIRO_TEST_MAIN(PageLookTest)
#include "test_page_look.moc"
