// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageRegistry.h"

#include "HomePage.h"
#include "PageNames.h"
#include "SimulationControls.h"

// A component page's content: its description and handler table, with the
// handlers its animation channels share.
static RegistryEntry component(const QString &page, PageContent (*content)())
{
    return {page, PageKind::Component, [content] {
                PageContent built = content();
                built.handlers += channelHandlers(built.description);
                return built;
            }};
}

const QList<RegistryEntry> &pageRegistry()
{
    static const QList<RegistryEntry> registry = {
        {PageName::MainFrame,         PageKind::MainFrame, {}},
        {PageName::Home,              PageKind::Home,      homePage},
        component(PageName::NonReturnValve, nonReturnValvePage),
        component(PageName::VaneCompressor, vaneCompressorPage),
        component(PageName::PistonCompressor, pistonCompressorPage),
        component(PageName::LimitingValve, limitingValvePage),
        component(PageName::FlowRegulator, flowRegulatorPage),
        component(PageName::ShuttleValve, shuttleValvePage),
        component(PageName::TwoPressureValve, twoPressureValvePage),
        component(PageName::Valve32, valve32Page),
        component(PageName::Valve42, valve42Page),
        component(PageName::Valve52, valve52Page),
        component(PageName::Filter, filterPage),
        component(PageName::Lubricator, lubricatorPage),
        component(PageName::PressureRegulator, pressureRegulatorPage),
        component(PageName::QuickExhaustValve, quickExhaustValvePage),
    };
    return registry;
}

const RegistryEntry *findRegistryEntry(const QString &page)
{
    for (const RegistryEntry &entry : pageRegistry())
        if (entry.page == page)
            return &entry;
    return nullptr;
}

QStringList componentPagesInRegistryOrder()
{
    QStringList pages;
    for (const RegistryEntry &entry : pageRegistry())
        if (entry.kind == PageKind::Component)
            pages.append(entry.page);
    return pages;
}
