// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PageContent.h"
#include "PageNames.h"

#include <QList>
#include <QString>
#include <functional>

enum class PageKind { MainFrame, Home, Component };

struct RegistryEntry {
    QString page;
    PageKind kind;
    std::function<PageContent()> content;  // none for the main frame
};

// Every page: the main frame, the home page, then each component page of the
// catalogue bound to its content function, in registry order (the order in which
// the navigator closes them).
const QList<RegistryEntry> &pageRegistry();
const RegistryEntry *findRegistryEntry(const QString &page);
QStringList componentPagesInRegistryOrder();
