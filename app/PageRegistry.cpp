#include "PageRegistry.h"

#include "HomePage.h"

const QList<RegistryEntry> &pageRegistry()
{
    static const QList<RegistryEntry> registry = {
        {"MDIIniciPneumatica",     PageKind::MainFrame, {}},
        {"frmHidràulica",          PageKind::Home,      homePage},
        {"frmAntiretorn",          PageKind::Component, nonReturnValvePage},
        {"frmCompressorDePaletes", PageKind::Component, vaneCompressorPage},
        {"frmCompressorDePistons", PageKind::Component, pistonCompressorPage},
        {"frmLimitadora",          PageKind::Component, limitingValvePage},
        {"frmReguladora",          PageKind::Component, flowRegulatorPage},
        {"frmSelectora",           PageKind::Component, shuttleValvePage},
        {"frmSimultaneïtat",       PageKind::Component, twoPressureValvePage},
        {"frmValvula32",           PageKind::Component, valve32Page},
        {"frmValvula42",           PageKind::Component, valve42Page},
        {"frmValvula52",           PageKind::Component, valve52Page},
        {"frmFiltre",              PageKind::Component, filterPage},
        {"frmLubrificant",         PageKind::Component, lubricatorPage},
        {"frmRegPressió",          PageKind::Component, pressureRegulatorPage},
        {"frmEscapamentRapid",     PageKind::Component, quickExhaustValvePage},
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
