// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PageNames.h"
#include "TwipRect.h"

#include <QList>
#include <QPair>
#include <QSize>
#include <QString>
#include <QStringList>

// The component pages, one row each: everything the rest of the program
// knows about a page before its own description is read. The menu, the home
// page's picture buttons and the picture catalogue are derived from these rows.

enum class PageGroup { Compressors, AirTreatment, DirectionalValves, LogicValves, ControlValves };

// A heading of the main frame's menu bar and its submenu.
struct MenuHeading {
    QString name;
    QString caption;  // "&" marks the access letter
};

namespace MenuHeadings {
inline const MenuHeading Compressors{QStringLiteral("mnuBombes"), QStringLiteral("&Compressors")};
inline const MenuHeading AirTreatment{QStringLiteral("mnuCondicionament"), QStringLiteral("C&ondicionament")};
inline const MenuHeading DirectionalValves{QStringLiteral("mnuDistribuïdores"), QStringLiteral("&Distribuïdores")};
inline const MenuHeading Blocking{QStringLiteral("mnuBloqueig"), QStringLiteral("&Bloqueig")};
}

// The menu command that opens the page, under its heading (none: on the menu bar
// itself).
struct MenuPlace {
    const MenuHeading *heading = nullptr;
    QString name;
    QString caption;
};

// The page's picture button on the home page: its image, its place, its position
// among the home page's records in stored order, and the words drawn on its
// picture (a space starts a new line), which screen readers read out.
struct HomeButton {
    QString image;
    TwipRect rect;
    int storedPosition = 0;
    QString words;
};

// A picture the page shows: a frame array (`frames` > 0) or a single image.
struct PagePicture {
    QString control;
    int frames = 0;
    QSize size;                           // picture size in pixels
    QList<QPair<int, QSize>> frameSizes;  // frames whose picture differs from `size`
    // What the picture shows, told in words: one sentence per frame of a frame
    // array, one for a single image.
    QStringList words;
};

struct ComponentPage {
    QString page;
    PageGroup group;
    MenuPlace menu;
    HomeButton homeButton;
    QList<PagePicture> pictures;
};

// Every component page, in the order of the menu.
const QList<ComponentPage> &componentPages();
const ComponentPage *findComponentPage(const QString &page);
// The picture `control` of `page`, if the page shows one of that name.
const PagePicture *findPagePicture(const QString &page, const QString &control);
