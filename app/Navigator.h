// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Handlers.h"
#include "PageContent.h"
#include "PageRegistry.h"
#include "WarmUp.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>

class Clock;
class MainFrame;
class PageWindow;

// A page object: created on the first reference to the page and kept until the
// program ends. It holds the page's variables and, while the page is open, its window.
struct PageInstance {
    QString page;
    PageKind kind;
    PageContent content;
    PageVariables variables;
    QPointer<PageWindow> window;
};

// Owns the page registry and decides which page is open: after every operation the
// main frame holds at most one page.
class Navigator : public QObject, public NavigationOperations {
    Q_OBJECT
public:
    // `quit` ends the program (the event loop in the program; a probe in tests).
    Navigator(const Clock &clock, std::function<void()> quit);
    ~Navigator() override;

    void startUp();

    void showPage(const QString &page) override;
    void closePage(const QString &page) override;
    void closeHomePage() override;
    void openComponentPage(const QString &target) override;
    void returnHome(const QString &page) override;
    void endProgram() override;

    MainFrame *frame() const { return m_frame.get(); }
    const WarmUp &warmUp() const { return m_warmUp; }
    const PageInstance *instance(const QString &page) const;
    PageWindow *openWindow(const QString &page) const;
    QStringList openPages() const;

    // Runs the page's handler for this event, if it has one. A handler that asks
    // for a control the page lacks ends there; the failure is reported on stderr.
    void dispatch(const QString &page, const QString &control, PageEvent event);

private:
    PageInstance &instanceOf(const QString &page);
    void buildFrame();

    const Clock &m_clock;
    std::function<void()> m_quit;
    std::unique_ptr<MainFrame> m_frame;
    std::map<QString, std::unique_ptr<PageInstance>> m_instances;
    WarmUp m_warmUp;
};
