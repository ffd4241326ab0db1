// SPDX-License-Identifier: GPL-3.0-or-later
#include "Navigator.h"

#include "MainFrame.h"
#include "MainFrameDescription.h"
#include "PageWindow.h"
#include "Pictures.h"

#include <QMdiArea>
#include <cstdio>

Navigator::Navigator(const Clock &clock, std::function<void()> quit) : m_clock(clock), m_quit(std::move(quit)) {}

Navigator::~Navigator() = default;

void Navigator::buildFrame()
{
    m_frame = std::make_unique<MainFrame>(mainFrameDescription());
    const auto commands = menuCommands();
    connect(m_frame.get(), &MainFrame::menuCommand, this, [this, commands](const QString &name) {
        for (const auto &[menu, target] : commands)
            if (menu == name)
                openComponentPage(target);
    });
    connect(m_frame.get(), &MainFrame::closing, this, [this] { m_quit(); });
}

void Navigator::startUp()
{
    // The home page is the program's start-up object; being a child of the main
    // frame, it brings the frame up first.
    shareStandardIcons();
    buildFrame();
    m_frame->show();
    m_frame->activateWindow();
    showPage(PageName::Home);
    m_frame->fitClientArea();
    m_warmUp.startAfterFirstPaint(openWindow(PageName::Home)->surface());
}

PageInstance &Navigator::instanceOf(const QString &page)
{
    auto found = m_instances.find(page);
    if (found != m_instances.end())
        return *found->second;
    const RegistryEntry *entry = findRegistryEntry(page);
    Q_ASSERT_X(entry && entry->kind != PageKind::MainFrame, "Navigator", "not a page of the registry");
    auto instance = std::make_unique<PageInstance>();
    instance->page = page;
    instance->kind = entry->kind;
    instance->content = entry->content();
    PageInstance &created = *instance;
    m_instances.emplace(page, std::move(instance));
    return created;
}

const PageInstance *Navigator::instance(const QString &page) const
{
    auto found = m_instances.find(page);
    return found == m_instances.end() ? nullptr : found->second.get();
}

PageWindow *Navigator::openWindow(const QString &page) const
{
    const PageInstance *found = instance(page);
    return found ? found->window.data() : nullptr;
}

QStringList Navigator::openPages() const
{
    QStringList pages;
    for (const auto &[name, instance] : m_instances)
        if (instance->window)
            pages.append(name);
    return pages;
}

void Navigator::showPage(const QString &page)
{
    PageInstance &instance = instanceOf(page);
    if (instance.window) {
        // A page the user minimized comes back as it opened: maximized.
        if (instance.window->isMinimized())
            instance.window->showMaximized();
        m_frame->workspace()->setActiveSubWindow(instance.window);
        instance.window->raise();
        return;
    }
    auto *window = new PageWindow(instance.content.description);
    window->markPictureButtons(instance.content.handlers);
    instance.window = window;
    m_frame->workspace()->addSubWindow(window);
    window->placeRestored();
    connect(window, &PageWindow::controlEvent, this,
            [this, page](const QString &control, PageEvent event) { dispatch(page, control, event); });
    connect(window, &PageWindow::closeRequested, this, [this, page] { closePage(page); });
    dispatch(page, QString(), PageEvent::Load);
    if (instance.window != window)
        return;  // the page was closed by its own Load
    window->prefetchShownPictures();
    window->showAsOpened();
    m_frame->workspace()->setActiveSubWindow(window);
    window->focusFirstButton();
}

void Navigator::closePage(const QString &page)
{
    PageInstance &instance = instanceOf(page);
    if (!instance.window)
        return;
    PageWindow *window = instance.window;
    instance.window = nullptr;
    window->shutDown();
}

void Navigator::closeHomePage()
{
    closePage(PageName::Home);
}

void Navigator::openComponentPage(const QString &target)
{
    showPage(target);
    for (const QString &page : componentPagesInRegistryOrder())
        if (page != target)
            closePage(page);
}

void Navigator::returnHome(const QString &page)
{
    showPage(PageName::Home);
    closePage(page);
}

void Navigator::endProgram()
{
    m_quit();
}

void Navigator::dispatch(const QString &page, const QString &control, PageEvent event)
{
    PageInstance &instance = instanceOf(page);
    // The handler keeps its page alive: a page closed inside its own handler is
    // only deleted once the event has been handled.
    QPointer<PageWindow> window = instance.window;
    if (!window || window->isShutDown())
        return;
    for (const HandlerBinding &binding : instance.content.handlers) {
        if (binding.event != event || binding.control != control)
            continue;
        HandlerContext context{*this, *window, instance.variables, m_clock};
        try {
            binding.action(context);
        } catch (const MissingControl &missing) {
            std::fprintf(stderr, "ventiro: handler %s of page %s asked for a missing control %s%s\n",
                         qUtf8Printable(control.isEmpty() ? QStringLiteral("Load") : control),
                         qUtf8Printable(missing.page), qUtf8Printable(missing.name),
                         missing.index ? qUtf8Printable(QStringLiteral("(%1)").arg(*missing.index)) : "");
        }
        return;
    }
}
