// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainFrameDescription.h"

#include "ComponentPages.h"

#include <QHash>

// The menu bar: each component page's command, under its heading or on the bar
// itself, in the order of the component pages; a heading stands where its first
// command would.
static QList<MenuItemRecord> menuBar()
{
    QList<MenuItemRecord> bar;
    QHash<const MenuHeading *, qsizetype> headings;
    for (const ComponentPage &row : componentPages()) {
        MenuItemRecord command{.name = row.menu.name, .caption = row.menu.caption, .target = row.page};
        if (!row.menu.heading) {
            bar.append(command);
            continue;
        }
        if (!headings.contains(row.menu.heading)) {
            headings.insert(row.menu.heading, bar.size());
            bar.append({.name = row.menu.heading->name, .caption = row.menu.heading->caption});
        }
        bar[headings.value(row.menu.heading)].children.append(command);
    }
    return bar;
}

MainFrameDescription mainFrameDescription()
{
    return {
        .name = PageName::MainFrame,
        .caption = "Ventiro",
        .background = SystemColour::AppWorkspace,
        .clientRect = {165, 735, 11880, 10830},
        .startUpPosition = 3,
        .menu = menuBar(),
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
