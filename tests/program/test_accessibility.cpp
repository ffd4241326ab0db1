// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds on the pages, read through the toolkit's accessibility
// interfaces: the order, roles and names of every text, picture, animation and
// button, what the animations and pictures show in words, and the press actions.
#include "TestSupport.h"

#include "ComponentPages.h"
#include "PageAccessibility.h"
#include "PageRegistry.h"

#include <QAccessible>

namespace {

QList<QAccessibleInterface *> childrenOf(QAccessibleInterface *parent)
{
    QList<QAccessibleInterface *> children;
    for (int i = 0; i < parent->childCount(); ++i)
        children.append(parent->child(i));
    return children;
}

// The page's client area, the page window's only accessible child.
QAccessibleInterface *surfaceOf(PageWindow &page)
{
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&page);
    return window && window->childCount() == 1 ? window->child(0) : nullptr;
}

QAccessibleInterface *childNamed(QAccessibleInterface *parent, const QString &name)
{
    for (QAccessibleInterface *child : childrenOf(parent))
        if (child->text(QAccessible::Name) == name)
            return child;
    return nullptr;
}

QStringList namesOf(const QList<QAccessibleInterface *> &interfaces)
{
    QStringList names;
    for (QAccessibleInterface *interface : interfaces)
        names.append(interface->text(QAccessible::Name));
    return names;
}

// Every child knows its parent and its own index, and lies within it.
void checkLinks(QAccessibleInterface *parent)
{
    const QList<QAccessibleInterface *> children = childrenOf(parent);
    for (qsizetype i = 0; i < children.size(); ++i) {
        QAccessibleInterface *child = children[i];
        QVERIFY(child && child->isValid());
        QCOMPARE(child->parent(), parent);
        QCOMPARE(parent->indexOfChild(child), int(i));
        if (!child->state().invisible)
            QVERIFY2(parent->rect().contains(child->rect()), qPrintable(child->text(QAccessible::Name)));
        checkLinks(child);
    }
}

// One line of a page's reading as the tables below write it: a letter for the
// role (H heading, T text, A animation, G picture, B button), a space, the name;
// a name ending in "…" stands for every name that begins so.
QString readAs(QAccessibleInterface *node, const QString &expected)
{
    static const QHash<QAccessible::Role, QChar> letters = {
        {QAccessible::Heading, u'H'}, {QAccessible::StaticText, u'T'}, {QAccessible::Animation, u'A'},
        {QAccessible::Graphic, u'G'}, {QAccessible::Button, u'B'},
    };
    const QString read = QString(letters.value(node->role(), u'?')) + u' ' + node->text(QAccessible::Name);
    if (expected.endsWith(u'…') && read.startsWith(expected.chopped(1)))
        return expected;
    return read;
}

// A reader's press on a button.
void press(QAccessibleInterface *node)
{
    QAccessibleActionInterface *actions = node->actionInterface();
    QVERIFY(actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
}

}  // namespace

class AccessibilityTest final : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void everyPageReadsInTheOrderOfItsLayout_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("reading");
        // The two-animation pages: the section on the left, then the circuit on the right.
        auto twoAnimations = [](const QString &title, const QString &valve, const QStringList &explanation,
                                const QString &symbol) {
            return QStringList{"H " + title, "A Animació de " + valve, "B Simulació",
                               "B Parar l'animació de " + valve, "H FUNCIONAMENT"}
                + explanation
                + QStringList{"H CIRCUIT", "A Animació del circuit", "B Simular", "B Parar l'animació del circuit",
                              "H SÍMBOL", "G Símbol de " + symbol, "B Sortir"};
        };
        QTest::newRow("home") << "frmHidràulica" << "Ventiro" << QStringList{
            "H Ventiro", "H Compressors", "B Compr. Pistons", "B Compr. Paletes",
            "H Condicionament", "B Filtre", "B Regulador Pressió", "B Lubricador",
            "H Distribuïdors", "B Vàlvula 3/2", "B Vàlvula 4/2", "B Vàlvula 5/2",
            "H Regulació, control i bloqueig", "B AND", "B OR", "B Antiretorn", "B Limitadora", "B Reguladora",
            "B Escapament Ràpid", "B Sortir", "T Ventiro     Quelmar"};
        QTest::newRow("piston compressor") << "frmCompressorDePistons" << "Compressor de pistons o d'èmbol"
            << QStringList{"H COMPRESSOR DE PISTONS O ÈMBOL", "A Animació del compressor de pistons",
                           "T ENTRADA D'AIRE", "T SORTIDA D'AIRE", "H FUNCIONAMENT", "T Aquest tipus…",
                           "T Són uns compressors…", "H SÍMBOL", "G Símbol del compressor", "B Sortir"};
        QTest::newRow("vane compressor") << "frmCompressorDePaletes" << "Compressor de paletes"
            << QStringList{"H COMPRESSOR DE PALETES", "A Animació del compressor de paletes",
                           "T SORTIDA D'AIRE", "T ENTRADA D'AIRE", "H FUNCIONAMENT", "T Aquest tipus…",
                           "T Són uns compressors…", "H SÍMBOL", "G Símbol del compressor", "B Sortir"};
        QTest::newRow("filter") << "frmFiltre" << "FILTRE"
            << QStringList{"H FILTRE", "A Animació del filtre", "T ENTRADA D'AIRE", "T SORTIDA D'AIRE",
                           "H FUNCIONAMENT", "T La seva missió…", "T El filtre forma part…", "H SÍMBOL",
                           "G Símbol del filtre", "B Sortir"};
        // The regulator's symbol stands under its animation, in the left half.
        QTest::newRow("pressure regulator") << "frmRegPressió" << "CONDICIONAMENT DE L'AIRE: REGULADOR DE PRESSIÓ"
            << QStringList{"H REGULADOR DE PRESSIÓ", "A Animació del regulador de pressió", "T ENTRADA D'AIRE",
                           "T SORTIDA D'AIRE", "H SÍMBOL", "G Símbol del regulador de pressió", "H FUNCIONAMENT",
                           "T El regulador de pressió forma part…", "T La seva missió…", "B Sortir"};
        QTest::newRow("lubricator") << "frmLubrificant" << "LUBRIFICADOR"
            << QStringList{"H LUBRIFICADOR", "A Animació del lubricador", "T ENTRADA D'AIRE", "T SORTIDA D'AIRE",
                           "H FUNCIONAMENT", "T El lubrificador forma part…", "T Degut a que…", "H SÍMBOL",
                           "G Símbol del lubricador", "B Sortir"};
        QTest::newRow("3/2") << "frmValvula32" << "Vàlvula distribuïdora 3/2"
            << twoAnimations("VÀLVULA DISTRIBUÏDORA 3/2", "la vàlvula distribuïdora 3/2",
                             {"T Per comandar cilindres de simple efecte…", "T P = Entrada de pressió…"},
                             "la vàlvula distribuïdora 3/2");
        QTest::newRow("4/2") << "frmValvula42" << "Vàlvula distribuïdora 4/2"
            << twoAnimations("VÀLVULA DISTRIBUÏDORA 4/2", "la vàlvula distribuïdora 4/2",
                             {"T Per comandar cilindres de doble efecte…", "T P = Entrada de pressió…"},
                             "la vàlvula distribuïdora 4/2");
        QTest::newRow("5/2") << "frmValvula52" << "Vàlvula distribuïdora 5/2"
            << twoAnimations("VÀLVULA DISTRIBUÏDORA 5/2", "la vàlvula distribuïdora 5/2",
                             {"T Per comandar cilindres de doble efecte…", "T P = Entrada de pressió…"},
                             "la vàlvula distribuïdora 5/2");
        QTest::newRow("non-return") << "frmAntiretorn" << "Vàlvula antirretorn"
            << twoAnimations("VÀLVULA  ANTIRETORN", "la vàlvula antiretorn",
                             {"T Les vàlvules antiretorn deixen passar…"}, "la vàlvula antiretorn");
        QTest::newRow("shuttle") << "frmSelectora" << "Vàlvula Selectora"
            << twoAnimations("VÀLVULA  SELECTORA", "la vàlvula selectora",
                             {"T Les vàlvules selectores…"}, "la vàlvula selectora");
        QTest::newRow("two-pressure") << "frmSimultaneïtat" << "Vàlvula de Simultaneïtat"
            << twoAnimations("VÀLVULA  DE SIMULTANEÏTAT", "la vàlvula de simultaneïtat",
                             {"T Les vàlvules de simultaneïtat…"}, "la vàlvula de simultaneïtat");
        QTest::newRow("quick exhaust") << "frmEscapamentRapid" << "Vàlvula d'escapament ràpid"
            << twoAnimations("VÀLVULA D'ESCAPAMENT RÀPID", "la vàlvula d'escapament ràpid",
                             {"T Les vàlvules d'escapament ràpid…", "T P = Entrada de pressió…"},
                             "la vàlvula d'escapament ràpid");
        QTest::newRow("limiting") << "frmLimitadora" << "Vàlvula Limitadora de pressió"
            << twoAnimations("VÀLVULA  LIMITADORA DE PRESSIÓ", "la vàlvula limitadora de pressió",
                             {"T Les vàlvules limitadores…", "T F = Pressió  x Àrea > Força de la molla"},
                             "la vàlvula limitadora de pressió");
        QTest::newRow("flow regulator") << "frmReguladora" << "Vàlvula reguladora amb antiretorn"
            << twoAnimations("VÀLVULA   REGULADORA I ANTIRETORN", "la vàlvula reguladora amb antiretorn",
                             {"T Les vàlvules de regulació amb antiretorn…"},
                             "la vàlvula reguladora amb antiretorn");
    }

    void everyPageReadsInTheOrderOfItsLayout()
    {
        QFETCH(QString, page);
        QFETCH(QString, window);
        QFETCH(QStringList, reading);
        Program program;
        if (page != PageName::Home)
            program.navigator.openComponentPage(page);
        PageWindow &opened = program.open(page);
        QAccessibleInterface *windowNode = QAccessible::queryAccessibleInterface(&opened);
        QCOMPARE(windowNode->text(QAccessible::Name), window);
        QAccessibleInterface *surface = surfaceOf(opened);
        QVERIFY(surface);
        QStringList read;
        for (QAccessibleInterface *child : childrenOf(surface))
            read.append(readAs(child, reading.value(read.size())));
        QCOMPARE(read, reading);
        checkLinks(windowNode);
    }

    void pictureButtonsOpenTheirPageWhenPressed_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("page");
        QTest::newRow("pistons") << "Compr. Pistons" << "frmCompressorDePistons";
        QTest::newRow("vanes") << "Compr. Paletes" << "frmCompressorDePaletes";
        QTest::newRow("filter") << "Filtre" << "frmFiltre";
        QTest::newRow("regulator") << "Regulador Pressió" << "frmRegPressió";
        QTest::newRow("lubricator") << "Lubricador" << "frmLubrificant";
        QTest::newRow("3/2") << "Vàlvula 3/2" << "frmValvula32";
        QTest::newRow("4/2") << "Vàlvula 4/2" << "frmValvula42";
        QTest::newRow("5/2") << "Vàlvula 5/2" << "frmValvula52";
        QTest::newRow("and") << "AND" << "frmSimultaneïtat";
        QTest::newRow("or") << "OR" << "frmSelectora";
        QTest::newRow("non-return") << "Antiretorn" << "frmAntiretorn";
        QTest::newRow("limiting") << "Limitadora" << "frmLimitadora";
        QTest::newRow("flow") << "Reguladora" << "frmReguladora";
        QTest::newRow("exhaust") << "Escapament Ràpid" << "frmEscapamentRapid";
    }

    void pictureButtonsOpenTheirPageWhenPressed()
    {
        QFETCH(QString, button);
        QFETCH(QString, page);
        Program program;
        QAccessibleInterface *found = childNamed(surfaceOf(program.open(PageName::Home)), button);
        QVERIFY(found);
        QCOMPARE(found->actionInterface()->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        press(found);
        QCOMPARE(program.navigator.openPages(), QStringList{page});
        QCOMPARE(program.quitRequests, 0);
    }

    void aPointFindsWhatTheScreenShowsThere()
    {
        Program program;
        PageWindow &home = program.open(PageName::Home);
        QAccessibleInterface *surface = surfaceOf(home);
        QAccessibleInterface *filter = childNamed(surface, "Filtre");
        const QRect filterOnScreen(home.surface()->mapToGlobal(QPoint(3960, 2640) / 15), QSize(60, 30));
        QCOMPARE(filter->rect(), filterOnScreen);
        QCOMPARE(surface->childAt(filterOnScreen.center().x(), filterOnScreen.center().y()), filter);
        QVERIFY(!filter->state().invisible);

        // On a component page the frames and buttons lie above the painted texts.
        program.menu("mnuVàlvula3_2");
        PageWindow &page = program.open("frmValvula32");
        surface = surfaceOf(page);
        QAccessibleInterface *valve = childNamed(surface, "Animació de la vàlvula distribuïdora 3/2");
        const QPoint onValve = valve->rect().topLeft() + QPoint(5, 5);
        QCOMPARE(surface->childAt(onValve.x(), onValve.y()), valve);
        QAccessibleInterface *start = childNamed(surface, "Simulació");
        QCOMPARE(surface->childAt(start->rect().center().x(), start->rect().center().y()), start);
    }

    // One object per animation, whatever the number of frames stacked in its place:
    // its description and its children are those of the frame on screen. (That the
    // desktop hears each change is checked over the real bus, tests/e2e.)
    void anAnimationReadsAsTheFrameOnScreen()
    {
        Program program;
        program.menu("mnuVàlvula3_2");
        PageWindow &page = program.open("frmValvula32");
        QAccessibleInterface *surface = surfaceOf(page);
        const QString valveName = "Animació de la vàlvula distribuïdora 3/2";
        QAccessibleInterface *valve = childNamed(surface, valveName);
        QAccessibleInterface *circuit = childNamed(surface, "Animació del circuit");
        QVERIFY(valve && circuit);
        QCOMPARE(namesOf(childrenOf(surface)).count(valveName), 1);
        const QStringList valveWords = findPagePicture("frmValvula32", "picVàlvula32")->words;

        // Load shows frame 0 in front of frame 1, which the page shows from the start.
        QCOMPARE(valve->text(QAccessible::Description), valveWords.value(0));
        QCOMPARE(namesOf(childrenOf(valve)), (QStringList{"A", "Escapament"}));
        QCOMPARE(valve->rect(), QRect(page.pictureBox("picVàlvula32", 0).mapToGlobal(QPoint(0, 0)),
                                      page.pictureBox("picVàlvula32", 0).size()));
        QVERIFY(!valve->state().invisible);
        QVERIFY(!valve->actionInterface());

        press(childNamed(surface, "Simulació"));
        QTRY_VERIFY(page.timer("tmrRellotge").isActive());
        program.clock.setSecond(3);
        program.fire("frmValvula32", "tmrRellotge");
        QCOMPARE(valve->text(QAccessible::Description), valveWords.value(3));
        QCOMPARE(namesOf(childrenOf(valve)), QStringList{"A"});
        checkLinks(valve);
        QCOMPARE(circuit->text(QAccessible::Description),
                 findPagePicture("frmValvula32", "picCircuit32")->words.value(0));
    }

    // Where two push buttons of a page share a caption, each says what it works on;
    // the captions on screen stay as they are.
    void noTwoButtonsOfAPageReadTheSame()
    {
        const QStringList pages = componentPagesInRegistryOrder() << PageName::Home;
        for (const QString &pageName : pages) {
            Program program;
            if (pageName != PageName::Home)
                program.navigator.openComponentPage(pageName);
            PageWindow &page = program.open(pageName);
            QStringList read;
            for (QAccessibleInterface *child : childrenOf(surfaceOf(page))) {
                if (auto *button = qobject_cast<QPushButton *>(child->object())) {
                    const QString name = child->text(QAccessible::Name);
                    QVERIFY2(name.startsWith(withoutAccessMarks(button->text())), qPrintable(name));
                    QVERIFY2(!read.contains(name), qPrintable(pageName + ": " + name));
                    read.append(name);
                }
            }
            QCOMPARE(read.size(), page.buttonsInTabOrder().size());
        }
        Program program;
        program.menu("mnuVàlvula3_2");
        QCOMPARE(program.open("frmValvula32").button("cmdPararCirc").text(), QStringLiteral("P&arar"));
    }

    // Every picture of a component page carries what it shows, in its row's words.
    void everyPictureIsDescribedInItsRowsWords()
    {
        for (const QString &pageName : componentPagesInRegistryOrder()) {
            Program program;
            program.navigator.openComponentPage(pageName);
            for (QAccessibleInterface *child : childrenOf(surfaceOf(program.open(pageName)))) {
                if (child->role() != QAccessible::Graphic)
                    continue;
                const PagePicture *picture = nullptr;
                for (const PagePicture &candidate : findComponentPage(pageName)->pictures)
                    if (candidate.frames == 0)
                        picture = &candidate;
                QVERIFY2(picture, qPrintable(pageName));
                QCOMPARE(child->text(QAccessible::Description), picture->words.value(0));
            }
        }
    }

    // What a reader hears in place of each picture is written beside the page's
    // other facts: a sentence for every frame of a frame array, one for an image.
    void everyPictureHasItsWords()
    {
        for (const ComponentPage &row : componentPages()) {
            for (const PagePicture &picture : row.pictures) {
                const qsizetype expected = picture.frames > 0 ? picture.frames : 1;
                const QString where = QStringLiteral("%1 %2: %3 sentences for %4 pictures")
                                          .arg(row.page, picture.control).arg(picture.words.size()).arg(expected);
                QVERIFY2(picture.words.size() == expected, qPrintable(where));
                for (const QString &sentence : picture.words)
                    QVERIFY2(!sentence.trimmed().isEmpty(), qPrintable(where));
            }
        }
    }

    void accessMarksAreNotRead_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("read");
        QTest::newRow("access letter") << "S&imular" << "Simular";
        QTest::newRow("first letter") << "&Sortir" << "Sortir";
        QTest::newRow("doubled mark") << "Pressió && cabal" << "Pressió & cabal";
        QTest::newRow("mark at the end") << "Parar&" << "Parar";
        QTest::newRow("none") << "CIRCUIT" << "CIRCUIT";
    }

    void accessMarksAreNotRead()
    {
        QFETCH(QString, caption);
        QFETCH(QString, read);
        QCOMPARE(withoutAccessMarks(caption), read);
    }

    void aClosedPageLeavesNothingBehindOnTheTree()
    {
        Program program;
        QAccessibleInterface *button = childNamed(surfaceOf(program.open(PageName::Home)), "Vàlvula 3/2");
        const QAccessible::Id buttonId = QAccessible::uniqueId(button);
        press(button);
        program.settle();
        QVERIFY(!program.window(PageName::Home));
        QVERIFY(!QAccessible::accessibleInterface(buttonId));

        QAccessibleInterface *valve = childNamed(surfaceOf(program.open("frmValvula32")),
                                                 "Animació de la vàlvula distribuïdora 3/2");
        const QAccessible::Id valveId = QAccessible::uniqueId(valve);
        const QAccessible::Id labelId = QAccessible::uniqueId(valve->child(0));
        press(childNamed(surfaceOf(program.open("frmValvula32")), "Sortir"));
        QTRY_VERIFY(!QAccessible::accessibleInterface(valveId));  // a push button's press comes a moment later
        QVERIFY(!QAccessible::accessibleInterface(labelId));
        QVERIFY(!QAccessible::accessibleInterface(labelId));
    }
};

VENTIRO_TEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
