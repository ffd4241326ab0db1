#include "PageRegistry.h"

#include "HomePage.h"
#include "PageNames.h"

const QList<RegistryEntry> &pageRegistry()
{
    static const QList<RegistryEntry> registry = {
        {PageName::MainFrame,         PageKind::MainFrame, {}},
        {PageName::Home,              PageKind::Home,      homePage},
        {PageName::NonReturnValve,    PageKind::Component, nonReturnValvePage},
        {PageName::VaneCompressor,    PageKind::Component, vaneCompressorPage},
        {PageName::PistonCompressor,  PageKind::Component, pistonCompressorPage},
        {PageName::LimitingValve,     PageKind::Component, limitingValvePage},
        {PageName::FlowRegulator,     PageKind::Component, flowRegulatorPage},
        {PageName::ShuttleValve,      PageKind::Component, shuttleValvePage},
        {PageName::TwoPressureValve,  PageKind::Component, twoPressureValvePage},
        {PageName::Valve32,           PageKind::Component, valve32Page},
        {PageName::Valve42,           PageKind::Component, valve42Page},
        {PageName::Valve52,           PageKind::Component, valve52Page},
        {PageName::Filter,            PageKind::Component, filterPage},
        {PageName::Lubricator,        PageKind::Component, lubricatorPage},
        {PageName::PressureRegulator, PageKind::Component, pressureRegulatorPage},
        {PageName::QuickExhaustValve, PageKind::Component, quickExhaustValvePage},
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
