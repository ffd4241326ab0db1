// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

#include "Clock.h"
class PageWindow;

// The events a page handles.
enum class PageEvent { Load, Click, MouseDown, Timer };

// The navigation operations a page handler may call.
class NavigationOperations {
public:
    virtual ~NavigationOperations() = default;
    virtual void showPage(const QString &page) = 0;
    virtual void closePage(const QString &page) = 0;
    virtual void closeHomePage() = 0;
    virtual void openComponentPage(const QString &target) = 0;
    virtual void returnHome(const QString &page) = 0;
    virtual void endProgram() = 0;
};

// Variables that belong to the page object and outlive its window: the stored
// current frame of each animation channel, keyed by frame array name. Empty until
// the channel's first tick.
struct PageVariables {
    QHash<QString, std::optional<qint16>> storedFrames;
};

// What a handler works with while it runs.
struct HandlerContext {
    NavigationOperations &navigation;
    PageWindow &page;
    PageVariables &variables;
    const Clock &clock;
};

using PageAction = std::function<void(HandlerContext &)>;

// One row of a page's handler table: the control (empty for the page itself),
// the event, and what it does.
struct HandlerBinding {
    QString control;
    PageEvent event;
    PageAction action;
};

using HandlerTable = QList<HandlerBinding>;
