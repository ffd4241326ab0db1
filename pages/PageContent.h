#pragma once

#include "Handlers.h"
#include "PageDescription.h"

// A page as data: its description and its handler table.
struct PageContent {
    PageDescription description;
    HandlerTable handlers;
};

// Compressors
PageContent pistonCompressorPage();      // frmCompressorDePistons
PageContent vaneCompressorPage();        // frmCompressorDePaletes
// Air treatment
PageContent filterPage();                // frmFiltre
PageContent pressureRegulatorPage();     // frmRegPressió
PageContent lubricatorPage();            // frmLubrificant
// Directional valves
PageContent valve32Page();               // frmValvula32
PageContent valve42Page();               // frmValvula42
PageContent valve52Page();               // frmValvula52
// Non-return and logic valves
PageContent nonReturnValvePage();        // frmAntiretorn
PageContent shuttleValvePage();          // frmSelectora
PageContent twoPressureValvePage();      // frmSimultaneïtat
// Exhaust, pressure and flow control valves
PageContent quickExhaustValvePage();     // frmEscapamentRapid
PageContent limitingValvePage();         // frmLimitadora
PageContent flowRegulatorPage();         // frmReguladora
