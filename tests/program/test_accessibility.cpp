// What a screen reader finds on the pages, read through the toolkit's accessibility
// interfaces: names, roles and order of every text, picture and button, and the
// press action of the home page's picture buttons.
#include "TestSupport.h"

#include "PageAccessibility.h"
#include "PageRegistry.h"

#include <QAccessible>

namespace {

struct Node {
    QAccessible::Role role;
    QString name;
    bool operator==(const Node &) const = default;
};

QList<QAccessibleInterface *> childrenOf(QAccessibleInterface *parent)
{
    QList<QAccessibleInterface *> children;
    for (int i = 0; i < parent->childCount(); ++i)
        children.append(parent->child(i));
    return children;
}

QList<Node> nodesOf(const QList<QAccessibleInterface *> &interfaces)
{
    QList<Node> nodes;
    for (QAccessibleInterface *interface : interfaces)
        nodes.append({interface->role(), interface->text(QAccessible::Name)});
    return nodes;
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

void collectStaticTexts(QAccessibleInterface *node, QStringList &texts)
{
    for (QAccessibleInterface *child : childrenOf(node)) {
        if (child->role() == QAccessible::StaticText)
            texts.append(child->text(QAccessible::Name));
        collectStaticTexts(child, texts);
    }
}

using enum QAccessible::Role;

}  // namespace

class AccessibilityTest final : public QObject {
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void homePageListsItsTextsAndPictureButtonsInStoredOrder()
    {
        Program program;
        PageWindow &home = program.open(PageName::Home);
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&home);
        QCOMPARE(window->text(QAccessible::Name), QString());  // the home page has no caption
        QAccessibleInterface *surface = surfaceOf(home);
        QVERIFY(surface);
        const QList<Node> expected = {
            {Button, "Sortir"},
            {Button, "Escapament Ràpid"},
            {Button, "Lubricador"},
            {Button, "Regulador Pressió"},
            {Button, "Filtre"},
            {StaticText, "Condicionament"},
            {StaticText, "Regulació, control i bloqueig"},
            {StaticText, "Distribuïdors"},
            {StaticText, "Compressors"},
            {Button, "Compr. Pistons"},
            {Button, "Compr. Paletes"},
            {Button, "Reguladora"},
            {Button, "Limitadora"},
            {Button, "Antiretorn"},
            {Button, "OR"},
            {Button, "AND"},
            {Button, "Vàlvula 5/2"},
            {Button, "Vàlvula 4/2"},
            {Button, "Vàlvula 3/2"},
            {StaticText, "Ventiro     Quelmar"},
            {StaticText, "Ventiro"},
        };
        QCOMPARE(nodesOf(childrenOf(surface)), expected);
        checkLinks(window);

        // A point on a picture button finds it, where the screen shows it.
        QAccessibleInterface *filter = childNamed(surface, "Filtre");
        const QRect filterOnScreen(home.surface()->mapToGlobal(QPoint(3960, 2640) / 15), QSize(60, 30));
        QCOMPARE(filter->rect(), filterOnScreen);
        QCOMPARE(surface->childAt(filterOnScreen.center().x(), filterOnScreen.center().y()), filter);
        QVERIFY(!filter->state().invisible);
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
        QAccessibleActionInterface *actions = found->actionInterface();
        QVERIFY(actions);
        QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(program.navigator.openPages(), QStringList{page});
        QCOMPARE(program.quitRequests, 0);
    }

    void componentPageListsItsControlsInStoredOrder()
    {
        Program program;
        program.menu("mnuVàlvula3_2");
        PageWindow &page = program.open("frmValvula32");
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&page);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Vàlvula distribuïdora 3/2"));
        QAccessibleInterface *surface = surfaceOf(page);
        const QString circuit = "Animació del circuit";
        const QString valve = "Animació de la vàlvula distribuïdora 3/2";
        const QList<Node> expected = {
            {Button, "Sortir"},
            {Animation, circuit}, {Animation, circuit}, {Animation, circuit}, {Animation, circuit},
            {Button, "Parar"},
            {Button, "Simular"},
            {Button, "Parar"},
            {Button, "Simulació"},
            {Animation, circuit},
            {Animation, valve}, {Animation, valve}, {Animation, valve},
            {Animation, valve}, {Animation, valve}, {Animation, valve},
            {StaticText, "SÍMBOL"},
            {StaticText, "CIRCUIT"},
            {Graphic, "Símbol de la vàlvula distribuïdora 3/2"},
            {StaticText, "FUNCIONAMENT"},
            {StaticText, "P = Entrada de pressió         A = Sortida al cilindre         R = Escapament"},
            {StaticText, "Per comandar cilindres de simple efecte, s'utilitzen vàlvules distribuïdores 3/2, "
                         "on les obertures que tenen són per:"},
            {StaticText, "VÀLVULA DISTRIBUÏDORA 3/2"},
        };
        const QList<QAccessibleInterface *> children = childrenOf(surface);
        QCOMPARE(nodesOf(children), expected);
        checkLinks(window);

        // Frames: which frame each is, the labels drawn inside it, and whether it shows.
        QAccessibleInterface *firstValveFrame = children[10];  // picVàlvula32(5)
        QCOMPARE(firstValveFrame->text(QAccessible::Description), QStringLiteral("Fotograma 6 de 6"));
        QCOMPARE(nodesOf(childrenOf(firstValveFrame)), (QList<Node>{{StaticText, "A"}, {StaticText, "Pressió"}}));
        QCOMPARE(children[1]->text(QAccessible::Description), QStringLiteral("Fotograma 5 de 5"));
        auto valveFramesShown = [&children, &valve] {
            QStringList shown;
            for (QAccessibleInterface *child : children)
                if (child->text(QAccessible::Name) == valve && !child->state().invisible)
                    shown.append(child->text(QAccessible::Description));
            shown.sort();
            return shown;
        };
        // Load shows frame 0 beside frame 1, which the page shows from the start.
        QCOMPARE(valveFramesShown(), (QStringList{"Fotograma 1 de 6", "Fotograma 2 de 6"}));

        // A picture that is no button offers nothing to press.
        QVERIFY(!children[18]->actionInterface());

        // As the animation steps, the frames a screen reader finds showing follow it.
        program.clock.setSecond(3);
        program.fire("frmValvula32", "tmrRellotge");
        QCOMPARE(valveFramesShown(), (QStringList{"Fotograma 2 de 6", "Fotograma 4 de 6"}));
    }

    void everyPageReadsEveryLabelAndNamesEveryPicture()
    {
        const QStringList pages = componentPagesInRegistryOrder() << PageName::Home;
        for (const QString &pageName : pages) {
            Program program;
            if (pageName != PageName::Home)
                program.navigator.openComponentPage(pageName);
            PageWindow &page = program.open(pageName);
            QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&page);
            QCOMPARE(window->text(QAccessible::Name), page.description().caption);

            // Every label, in stored order, those inside picture boxes with their box.
            QStringList labels;
            for (const ControlRecord &record : page.description().controls) {
                if (const auto *label = std::get_if<LabelRecord>(&record))
                    labels.append(label->caption);
                else if (const auto *box = std::get_if<PictureBoxRecord>(&record))
                    for (const LabelRecord &child : box->children)
                        labels.append(child.caption);
            }
            QStringList read;
            collectStaticTexts(window, read);
            QCOMPARE(read, labels);

            for (QAccessibleInterface *child : childrenOf(surfaceOf(page))) {
                const QString name = child->text(QAccessible::Name);
                QVERIFY2(!name.isEmpty(), qPrintable(pageName));
                QVERIFY2(!name.contains(u'&'), qPrintable(name));
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
        QAccessibleInterface *button = childNamed(surfaceOf(program.open(PageName::Home)), "Filtre");
        const QAccessible::Id id = QAccessible::uniqueId(button);
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        program.settle();
        QVERIFY(!program.window(PageName::Home));
        QVERIFY(!QAccessible::accessibleInterface(id));
    }
};

VENTIRO_TEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
