#include "MainFrameDescription.h"

#include "PageNames.h"

using namespace PageName;

static MenuItemRecord heading(const QString &name, const QString &caption, QList<MenuItemRecord> commands)
{
    return {.name = name, .caption = caption, .children = std::move(commands)};
}

static MenuItemRecord command(const QString &name, const QString &caption, const QString &target)
{
    return {.name = name, .caption = caption, .target = target};
}

MainFrameDescription mainFrameDescription()
{
    return {
        .name = PageName::MainFrame,
        .caption = "Ventiro",
        .background = SystemColour::AppWorkspace,
        .clientRect = {165, 735, 11880, 10830},
        .startUpPosition = 3,
        .menu = {
            heading("mnuBombes", "&Compressors", {
                command("mnuPaletes", "&Paletes", VaneCompressor),
                command("mnuÈmbol", "È&mbol", PistonCompressor),
            }),
            heading("mnuCondicionament", "C&ondicionament", {
                command("mnuFiltre", "&Filtre", Filter),
                command("mnuReguladorPressió", "Re&gulador de Pressió", PressureRegulator),
                command("mnuLubrificador", "L&ubrificador", Lubricator),
            }),
            heading("mnuDistribuïdores", "&Distribuïdores", {
                command("mnuVàlvula3_2", "Vàlvula &3/2", Valve32),
                command("mnuVàlvula4_2", "Vàlvula &4/2", Valve42),
                command("mnuVàlvula5_2", "Vàlvula &5/2", Valve52),
            }),
            heading("mnuBloqueig", "&Bloqueig", {
                command("mnuSimultaneïtat", "&Simultaneïtat", TwoPressureValve),
                command("mnuSelectora", "S&electora", ShuttleValve),
                command("mnuEscapamentRàpid", "Esca&pament Ràpid", QuickExhaustValve),
                command("mnuAntiretorn", "&Antiretorn", NonReturnValve),
            }),
            command("mnuLimitadora", "&Limitadora", LimitingValve),
            command("mnuReguladora", "&Reguladora", FlowRegulator),
        },
    };
}

static void collectCommands(const QList<MenuItemRecord> &items, QList<QPair<QString, QString>> &commands)
{
    for (const MenuItemRecord &item : items) {
        if (!item.target.isEmpty())
            commands.append({item.name, item.target});
        collectCommands(item.children, commands);
    }
}

QList<QPair<QString, QString>> menuCommands()
{
    QList<QPair<QString, QString>> commands;
    collectCommands(mainFrameDescription().menu, commands);
    return commands;
}
