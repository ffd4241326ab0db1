// SPDX-License-Identifier: GPL-3.0-or-later
// Labels as the user sees them: the lines every wrapping text breaks into, glyphs
// (accents included) drawn whole inside their label, text and background colours,
// alignment and line pitch, all checked on the pixels painted. Expected values are
// written here from the pages' texts and layout, not taken from the page tables.
#include "TestSupport.h"

#include "PictureChecks.h"
#include "RenderChecks.h"

#include <QFontMetricsF>
#include <QPainterPath>

using namespace RenderChecks;

namespace {

struct WrappedLabel {
    const char *page;
    const char *label;
    QStringList lines;
};

const QStringList AirIn = {"ENTRADA", "D'AIRE"};
const QStringList AirOut = {"SORTIDA", "D'AIRE"};

const QStringList CompressorWorking = {
    "Aquest tipus de compressor es",
    "basa en el mecanisme de biela -",
    "manovella, el qual transforma el",
    "moviment circular procedent de",
    "l'eix d'un motor en rectilini",
    "alternatiu. Té una vàlvula",
    "d'admissió per on entra l'aire",
    "durant 1/2 volta de la manovella",
    "per omplir el cilindre. Una",
    "vegada ple, es tanca la vàlvula",
    "d'admissió i sobre la vàlvula",
    "d'escapament, per on sortirà",
    "l'aire comprimit.",
};

const QStringList CompressorNoise = {
    "Són uns compressors sorollosos",
    "i treuen l'aire per impulsos.",
    "Dónen pressions de 3 a 10 bars,",
    "i cal disposar a la sortida de l'aire",
    "comprimit d'un refrigerador.",
};

const QStringList Legend2 = {"P = Entrada de pressió", "A = Sortida al cilindre"};

// Every label whose text takes more than one line, with its lines as drawn: the
// label's width filled word by word, runs of spaces kept inside a line and
// dropped at a break, and a run of three or more spaces starting the next
// phrase on a new line unless the whole phrase fits after it.
const QList<WrappedLabel> &wrappedLabels()
{
    static const QList<WrappedLabel> table = {
        {"frmCompressorDePaletes", "lblSortida", AirOut},
        {"frmCompressorDePaletes", "lblEntrada", AirIn},
        {"frmCompressorDePaletes", "lblExplicacio1", CompressorNoise},
        {"frmCompressorDePaletes", "lblExplicacio", CompressorWorking},
        {"frmCompressorDePistons", "lblEntrada", AirIn},
        {"frmCompressorDePistons", "lblSortida", AirOut},
        {"frmCompressorDePistons", "lblExplicacio1", CompressorNoise},
        {"frmCompressorDePistons", "lblExplicacio", CompressorWorking},
        {"frmFiltre", "lblEntrada", AirIn},
        {"frmFiltre", "lblSortida", AirOut},
        {"frmFiltre", "lblExplicacio", {"El filtre forma part de la unitat de", "condicionament de l'aire."}},
        {"frmFiltre", "lblExplicacio1", {
            "La seva missió és la d'alliberar a",
            "l'aire comprimit que arriba a la",
            "xarxa de totes les impureses:",
            "brutícia, residus sòlids, vapors",
            "d'aigua, ...",
            "El funcionament del filtre és el",
            "següent: A l'entrar l'aire en",
            "l'aparell  és centrifugat per un",
            "deflector. Les partícules més",
            "pesants xoquen en la paret",
            "interna del vas i es precipiten en",
            "la part baixa. Després d'aquesta",
            "primera separació l'aire, que",
            "només conté partícules molt",
            "petites, passa a través d'un",
            "element filtrant que reté",
            "partícules de l'ordre d'entre 5 i 50",
            "microns. En el fons del vas es",
            "poden eliminar totes les",
            "impureses amb purgadors.",
        }},
        {"frmRegPressió", "lblEntrada", AirIn},
        {"frmRegPressió", "lblSortida", AirOut},
        {"frmRegPressió", "lblExplicacio", {"El regulador de pressió forma", "part de la unitat de", "condicionament de l'aire."}},
        {"frmRegPressió", "lblExplicacio1", {
            "La seva missió és, tal com diu el",
            "seu nom, la de regular  i",
            "mantenir constant la pressió",
            "d'una instal·lació pneumàtica, per",
            "tal d'eliminar puntes de pressió i",
            "fluctuacions en tota la xarxa.",
            "La vàlvula de pressió regula la",
            "pressió de sortida mitjançant una",
            "membrana.En la seva cara",
            "superior hi actua la pressió de",
            "sortida i en la seva cara inferior,",
            "es col·loca una molla de força",
            "regulable mitjançant un cargol",
            "ajustable. D'aquesta manera es",
            "pot graduar la pressió de sortida.",
            "Si augmenta la pressió de",
            "sortida, la membrana es mou",
            "guanyant la força de la molla, de",
            "manera que la secciño de pas en",
            "lka junta de la vàlvula varia",
            "constament o es pot arribar a",
            "tancar totalment.",
        }},
        {"frmLubrificant", "lblSortida", AirOut},
        {"frmLubrificant", "lblEntrada", AirIn},
        {"frmLubrificant", "lblExplicacio", {"El lubrificador forma part de la unitat", "de condicionament de l'aire."}},
        {"frmLubrificant", "lblExplicacio1", {
            "Degut a que en els circuits",
            "pneumàtics hi ha components,",
            "tals com els cilindres i vàlvules,",
            "que efectuen moviments per",
            "treballar i controlar el flux d'aire",
            "que hi circula, aquests es",
            "desgasten a causa de la fricció.",
            "És per això que en el grup de",
            "condicionament de l'aire",
            "comprimit s'hi intercala un",
            "lubrificador.",
            "El seu funcionament es basa en",
            "l'efecte Venturi. El mateix flux",
            "d'aire que entra en el circuit és",
            "l'encarregat de transportar unes",
            "minúscules gotes d'oli a tots el",
            "components mòbils",
        }},
        {"frmValvula32", "lblOberturtes", Legend2 + QStringList{"R = Escapament"}},
        {"frmValvula32", "lblExplicació", {
            "Per comandar cilindres de simple efecte, s'utilitzen vàlvules",
            "distribuïdores 3/2, on les obertures que tenen són per:",
        }},
        {"frmValvula42", "lblOberturtes", Legend2 + QStringList{"B = Sortida al cilindre", "T = Escapament"}},
        {"frmValvula42", "lblExplicació", {
            "Per comandar cilindres de doble efecte, s'utilitzen vàlvules",
            "distribuïdores 4/2, on les obertures que tenen són per:",
        }},
        {"frmValvula52", "lblOberturtes",
         Legend2 + QStringList{"B = Sortida al cilindre", "R = Escapament", "T = Escapament"}},
        {"frmValvula52", "lblExplicació", {
            "Per comandar cilindres de doble efecte, s'utilitzen vàlvules distribuïdores 5/2,",
            "on les obertures que tenen són per:",
        }},
        {"frmAntiretorn", "lblExplicació", {
            "Les vàlvules antiretorn deixen passar el fluid  a pressió en un",
            "sentit i tancar-lo en el sentit contrari.",
        }},
        {"frmSelectora", "lblExplicació", {
            "Les vàlvules selectores de circuit permeten accionar un actuador",
            "des de dos punts diferents i distants. Són anomenades  també",
            "funcions \"O\" (OR). El senyal pot venir per un costat \"O\" l´altre.",
        }},
        {"frmSimultaneïtat", "lblExplicació", {
            "Les vàlvules de simultaneïtat obliguen a mantenir la pressió en les",
            "dues entrades per obtenir fluid a la sortida. Si en una de les",
            "entrades no tenim pressió, tampoc en tindrem a la sortida. També",
            "s'anomena vàvula \"I\" (AND). El senyal ha de estar present per un",
            "costat \"I\" per l'altre.",
        }},
        {"frmEscapamentRapid", "lblOberturtes", {"P = Entrada de pressió", "A = Sortida/Entrada cilindre", "R = Escapament"}},
        {"frmEscapamentRapid", "lblExplicació", {
            "Les vàlvules d'escapament ràpid s'utilitzen per augmentar la velocitat dels",
            "actuadors. L'aire, procedent del cilindre, surt ràpidament a través d'un orifici (R)",
            "de la vàlvula sense passar per la vàlvula distribuïdor.",
        }},
        {"frmLimitadora", "lblExplicació", {
            "Les vàlvules limitadores de pressió s'utilitzen per ajustar la pressió",
            "màxima d´un circuit, limitar la pressió de treball o protegir el sistema",
            "contra sobrecàrregues. Per ajustar la pressió cal que graduem el cargol",
            "per poder ajustar la força de la molla. La vàlvula obrirà quan la força",
            "que fa el fluid en el con sigui superior a la força de la molla",
        }},
        {"frmReguladora", "lblExplicació", {
            "Les vàlvules de regulació amb antiretorn permeten la circulació de",
            "fluid en un sentit i limiten el seu pas en el contrari. El antiretorn",
            "serveix per obligar a passar el fluid per la vàlvula reguladora",
        }},
    };
    return table;
}

// Where the first baseline lies below a label's top, by the font's pixel size:
// the font's ascent rounded up to whole pixels.
int firstBaselineFor(int pixelSize)
{
    switch (pixelSize) {
    case 11: return 10;
    case 13: return 12;
    case 16: return 15;
    case 48: return 43;
    }
    qFatal("no font of %d pixels is expected on a page", pixelSize);
}

// The distance between the baselines of two lines of 13-pixel text: its ascent
// and descent, each rounded up to whole pixels (12 + 3).
constexpr int Pitch13 = 15;

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb HomeYellow = qRgb(255, 255, 192);
const QRgb HeadingRed = qRgb(255, 0, 0);
const QRgb TitleBlue = qRgb(0, 0, 192);

struct LabelColours {
    QRgb background;
    QRgb text;
};

// The colours each label shows in the standard colour scheme: on the home page
// the page's light yellow, red category headings and the dark blue program title;
// everywhere else black text on white.
LabelColours expectedColours(const QString &page, const QString &label)
{
    if (page == PageName::Home) {
        if (label == "lblTítolPrograma")
            return {HomeYellow, TitleBlue};
        if (label == "Label1")
            return {HomeYellow, Black};
        return {HomeYellow, HeadingRed};
    }
    return {White, Black};
}

// Titles, headings over the two animations and the symbol, the home page's
// category headings but "Condicionament", and the letters inside the 3/2 valve's
// frames are centred; every other label is left-aligned.
Alignment expectedAlignment(const QString &label)
{
    static const QStringList centred = {"lblTitol", "lblTitolSimbol", "lblTitolCircuit", "LblVaries",
                                        "lblDistribuïdors", "lblCompressors", "lblA", "lblPressió",
                                        "lblEscapament"};
    return centred.contains(label) ? Alignment::Centre : Alignment::Left;
}

// How far `pixel` lies from `from` towards `to` (0 to 1) when it is one of them or
// a blend of the two, as antialiased edges are; none when it is any other colour.
std::optional<double> blendShare(QRgb pixel, QRgb from, QRgb to)
{
    const std::array<int, 3> a{qRed(from), qGreen(from), qBlue(from)};
    const std::array<int, 3> b{qRed(to), qGreen(to), qBlue(to)};
    const std::array<int, 3> p{qRed(pixel), qGreen(pixel), qBlue(pixel)};
    std::optional<double> share;
    for (int c = 0; c < 3; ++c) {
        const int span = b[c] - a[c];
        const int got = p[c] - a[c];
        if (span == 0) {
            if (std::abs(got) > 2)
                return std::nullopt;
            continue;
        }
        const double t = double(got) / span;
        if (t < -0.02 || t > 1.02 || (share && std::abs(*share - t) > 0.05))
            return std::nullopt;
        share = t;
    }
    return share.value_or(0);
}

void addRowsForEveryLabel()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<LabelRecord>("label");
    for (const PageLabel &found : everyLabel())
        QTest::newRow(qUtf8Printable(found.tag())) << found.page << found.label;
}

} // namespace

Q_DECLARE_METATYPE(LabelRecord)

class LabelRenderingTest final : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void wrappedLabelsBreakIntoTheirLines_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("lines");
        for (const WrappedLabel &row : wrappedLabels())
            QTest::newRow(qUtf8Printable(QStringLiteral("%1/%2").arg(row.page, row.label)))
                << QString::fromUtf8(row.page) << QString::fromUtf8(row.label) << row.lines;
    }

    void wrappedLabelsBreakIntoTheirLines()
    {
        QFETCH(QString, page);
        QFETCH(QString, name);
        QFETCH(QStringList, lines);
        const std::optional<PageLabel> found = findLabel(page, name);
        QVERIFY(found);
        QStringList drawn;
        for (const LabelLine &line : labelLines(found->label))
            drawn << line.text;
        QCOMPARE(drawn, lines);
    }

    void everyLabelThatWrapsIsListed()
    {
        for (const PageLabel &found : everyLabel()) {
            if (labelLines(found.label).size() < 2)
                continue;
            const bool listed = std::any_of(wrappedLabels().begin(), wrappedLabels().end(), [&](const WrappedLabel &row) {
                return found.page == QString::fromUtf8(row.page) && found.label.name == QString::fromUtf8(row.label);
            });
            QVERIFY2(listed, qUtf8Printable(found.tag() + " wraps but has no expected lines"));
        }
    }

    // The glyphs of every line, accents included, lie whole inside the label,
    // both as outlines and as the pixels drawn without any clipping; and the first
    // baseline lies the font's ascent rounded up below the top.
    void glyphsLieWholeInsideTheirLabel_data() { addRowsForEveryLabel(); }

    void glyphsLieWholeInsideTheirLabel()
    {
        QFETCH(LabelRecord, label);
        const QRect rect = pixelRect(label.rect);
        const QFont font = labelFont(label);
        const QList<LabelLine> lines = labelLines(label);
        QVERIFY(!lines.isEmpty());

        constexpr int Margin = 24;
        QImage unclipped(rect.size() + QSize(2 * Margin, 2 * Margin), QImage::Format_RGB32);
        unclipped.fill(White);
        QPainter painter(&unclipped);
        painter.translate(Margin - rect.left(), Margin - rect.top());
        painter.setFont(font);
        painter.setPen(Qt::black);
        for (const LabelLine &line : lines) {
            QPainterPath outline;
            outline.addText(line.baseline, font, line.text);
            const QRectF bounds = outline.boundingRect();
            if (bounds.height() > rect.height())
                continue;  // taller than the label: it cannot lie whole inside
            QVERIFY2(QRectF(rect).contains(bounds),
                     qUtf8Printable(QStringLiteral("\"%1\" spans %2,%3 to %4,%5, outside the label")
                                        .arg(line.text).arg(bounds.left()).arg(bounds.top())
                                        .arg(bounds.right()).arg(bounds.bottom())));
            painter.drawText(line.baseline, line.text);
        }
        painter.end();
        const QRect ink = inkBounds(unclipped, White).translated(rect.topLeft() - QPoint(Margin, Margin));
        QVERIFY2(ink.isEmpty() || rect.contains(ink),
                 qUtf8Printable(QStringLiteral("ink from %1,%2 to %3,%4 in a label from %5,%6 to %7,%8")
                                    .arg(ink.left()).arg(ink.top()).arg(ink.right()).arg(ink.bottom())
                                    .arg(rect.left()).arg(rect.top()).arg(rect.right()).arg(rect.bottom())));
        QCOMPARE(lines.first().baseline.y() - rect.top(), qreal(firstBaselineFor(font.pixelSize())));
    }

    // On the page as painted, the accent over a capital is drawn whole: the
    // column of the accented letter shows ink above the capitals, reaching up to
    // where the glyph's own top lies.
    void accentsOverCapitalsAreDrawnWhole_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("letter");
        QTest::newRow("3/2 symbol Í") << "mnuVàlvula3_2" << "frmValvula32" << "lblTitolSimbol" << "Í";
        QTest::newRow("3/2 title À") << "mnuVàlvula3_2" << "frmValvula32" << "lblTitol" << "À";
        QTest::newRow("3/2 title Ï") << "mnuVàlvula3_2" << "frmValvula32" << "lblTitol" << "Ï";
        QTest::newRow("piston title È") << "mnuÈmbol" << "frmCompressorDePistons" << "lblTitol" << "È";
        QTest::newRow("limiting title Ó") << "mnuLimitadora" << "frmLimitadora" << "lblTitol" << "Ó";
        QTest::newRow("regulator title Ó") << "mnuReguladorPressió" << "frmRegPressió" << "lblTitol" << "Ó";
        QTest::newRow("filter symbol Í") << "mnuFiltre" << "frmFiltre" << "lblTitolSimbol" << "Í";
    }

    void accentsOverCapitalsAreDrawnWhole()
    {
        QFETCH(QString, menu);
        QFETCH(QString, page);
        QFETCH(QString, name);
        QFETCH(QString, letter);
        Program program;
        program.menu(menu);
        PageWindow &window = program.open(page);
        window.surface()->resize(792, 722);
        QImage shown(window.surface()->size(), QImage::Format_RGB32);
        window.surface()->render(&shown);

        const LabelRecord &label = window.label(name);
        const QRect rect = pixelRect(label.rect);
        const QFont font = labelFont(label);
        const QFontMetricsF metrics(font);
        const LabelLine line = labelLines(label).first();
        const qsizetype at = line.text.indexOf(letter);
        QVERIFY(at >= 0);
        const qreal left = line.baseline.x() + metrics.horizontalAdvance(line.text.left(at));
        const QRect column(QPoint(int(std::ceil(left)), rect.top()),
                           QPoint(int(left + metrics.horizontalAdvance(letter)) - 1, rect.bottom()));
        const QRect ink = inkBounds(shown, White, column);
        QVERIFY(!ink.isEmpty());

        const int capTop = int(line.baseline.y() - metrics.capHeight());
        const int glyphTop = int(line.baseline.y() + metrics.tightBoundingRect(letter).top());
        QVERIFY2(ink.top() < capTop - 1, qUtf8Printable(QStringLiteral("no accent above the capitals (ink from row %1, capitals from %2)")
                                                             .arg(ink.top()).arg(capTop)));
        QVERIFY(glyphTop >= rect.top());
        QCOMPARE(ink.top(), glyphTop);
    }

    void labelsShowTheirTextAndBackgroundColours_data() { addRowsForEveryLabel(); }

    void labelsShowTheirTextAndBackgroundColours()
    {
        QFETCH(QString, page);
        QFETCH(LabelRecord, label);
        const LabelColours colours = expectedColours(page, label.name);
        const QImage image = paintedLabel(label);
        QCOMPARE(QColor(image.pixel(0, 0)), QColor(colours.background));
        QCOMPARE(QColor(image.pixel(image.width() - 1, image.height() - 1)), QColor(colours.background));
        int textPixels = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                const std::optional<double> share = blendShare(pixel, colours.background, colours.text);
                QVERIFY2(share, qUtf8Printable(QStringLiteral("pixel %1,%2 is %3").arg(x).arg(y).arg(QColor(pixel).name())));
                textPixels += *share > 0.85;
            }
        QVERIFY2(textPixels >= 10, qUtf8Printable(QStringLiteral("only %1 pixels in the text colour").arg(textPixels)));
    }

    void labelColoursFollowTheColourScheme()
    {
        const SystemColourScope scheme([](int index) {
            if (index == 9)
                return QColor(250, 240, 200);  // window title text: the labels' background
            if (index == 18)
                return QColor(0, 100, 0);      // button text: the labels' text
            return standardSystemColour(index);
        });
        const std::optional<PageLabel> symbol = findLabel("frmValvula42", "lblTitolSimbol");
        QVERIFY(symbol);
        const QImage image = paintedLabel(symbol->label);
        QCOMPARE(QColor(image.pixel(0, 0)), QColor(250, 240, 200));
        QVERIFY(PictureChecks::contains(image, qRgb(0, 100, 0)));
    }

    // Each line lies where its alignment puts it: its ink starts at the label's
    // left edge, ends at its right edge, or is centred between them, within a pixel.
    void linesAreAlignedInTheirLabel_data() { addRowsForEveryLabel(); }

    void linesAreAlignedInTheirLabel()
    {
        QFETCH(QString, page);
        QFETCH(LabelRecord, label);
        const QRect rect = pixelRect(label.rect);
        const QFont font = labelFont(label);
        const QFontMetricsF metrics(font);
        const int pitch = QFontMetrics(font).height();
        const QImage image = paintedLabel(label);
        const QRgb background = image.pixel(0, 0);
        const Alignment alignment = expectedAlignment(label.name);
        const QList<LabelLine> lines = labelLines(label);
        for (qsizetype k = 0; k < lines.size(); ++k) {
            const QString &text = lines[k].text;
            const qreal advance = metrics.horizontalAdvance(text);
            qreal start = 0;
            if (alignment == Alignment::Centre)
                start = (rect.width() - advance) / 2;
            else if (alignment == Alignment::Right)
                start = rect.width() - advance;
            QPainterPath outline;
            outline.addText(start, 0, font, text);
            const QRectF glyphs = outline.boundingRect();
            const QRect band(0, int(k) * pitch, rect.width(), pitch);
            const QRect ink = inkBounds(image, background, band);
            QVERIFY2(!ink.isEmpty(), qUtf8Printable(QStringLiteral("line %1 \"%2\" shows no ink").arg(k).arg(text)));
            const QString where = QStringLiteral("line %1 \"%2\": ink from x %3 to %4, glyphs from %5 to %6")
                                      .arg(k).arg(text).arg(ink.left()).arg(ink.right())
                                      .arg(glyphs.left()).arg(glyphs.right());
            // The pixels the outline touches at its ends, give or take one.
            QVERIFY2(std::abs(ink.left() - std::floor(glyphs.left())) <= 1, qUtf8Printable(where));
            QVERIFY2(std::abs(ink.right() - (std::ceil(glyphs.right()) - 1)) <= 1, qUtf8Printable(where));
        }
    }

    // Lines of 13-pixel text follow one another at a whole number of pixels:
    // the capitals that start the lines have their tops exactly 15 pixels apart.
    void linesOfTextAreWholePixelsApart_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("name");
        for (const char *page : {"frmValvula32", "frmValvula42", "frmValvula52", "frmEscapamentRapid"})
            QTest::newRow(page) << QString::fromUtf8(page) << "lblOberturtes";
        for (const char *page : {"frmCompressorDePistons", "frmFiltre", "frmRegPressió", "frmLubrificant"}) {
            QTest::newRow(qUtf8Printable(QString::fromUtf8(page) + "/lblEntrada")) << QString::fromUtf8(page) << "lblEntrada";
            QTest::newRow(qUtf8Printable(QString::fromUtf8(page) + "/lblSortida")) << QString::fromUtf8(page) << "lblSortida";
        }
    }

    void linesOfTextAreWholePixelsApart()
    {
        QFETCH(QString, page);
        QFETCH(QString, name);
        const std::optional<PageLabel> found = findLabel(page, name);
        QVERIFY(found);
        QCOMPARE(labelFont(found->label).pixelSize(), 13);
        const QImage image = paintedLabel(found->label);
        const QRgb background = image.pixel(0, 0);
        // The first letter's columns: every line starts with a capital there.
        const int firstLetter = int(QFontMetricsF(labelFont(found->label)).horizontalAdvance(u'P'));
        QList<int> capitalTops;
        bool inInk = false;
        for (int y = 0; y < image.height(); ++y) {
            bool ink = false;
            for (int x = 0; x < firstLetter; ++x)
                ink = ink || image.pixel(x, y) != background;
            if (ink && !inInk)
                capitalTops << y;
            inInk = ink;
        }
        QVERIFY2(capitalTops.size() >= 2, qUtf8Printable(QStringLiteral("%1 lines found").arg(capitalTops.size())));
        for (qsizetype k = 1; k < capitalTops.size(); ++k)
            QCOMPARE(capitalTops[k] - capitalTops[k - 1], Pitch13);
    }
};

VENTIRO_TEST_MAIN(LabelRenderingTest)
#include "test_label_rendering.moc"
