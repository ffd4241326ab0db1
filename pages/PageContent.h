// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Handlers.h"
#include "PageDescription.h"

// A page as data: its description and its handler table.
struct PageContent {
    PageDescription description;
    HandlerTable handlers;
};

// Compressors
PageContent pistonCompressorPage();
PageContent vaneCompressorPage();
// Air treatment
PageContent filterPage();
PageContent pressureRegulatorPage();
PageContent lubricatorPage();
// Directional valves
PageContent valve32Page();
PageContent valve42Page();
PageContent valve52Page();
// Non-return and logic valves
PageContent nonReturnValvePage();
PageContent shuttleValvePage();
PageContent twoPressureValvePage();
// Exhaust, pressure and flow control valves
PageContent quickExhaustValvePage();
PageContent limitingValvePage();
PageContent flowRegulatorPage();
