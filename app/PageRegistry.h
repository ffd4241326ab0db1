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

// The sixteen pages: the main frame, the home page, then the fourteen component
// pages in registry order (the order in which the navigator closes them).
const QList<RegistryEntry> &pageRegistry();
const RegistryEntry *findRegistryEntry(const QString &page);
QStringList componentPagesInRegistryOrder();
