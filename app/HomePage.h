// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PageContent.h"

// The home page `frmHidràulica`: the program's title, a picture button for each
// component page, the exit button and the credit line.
PageContent homePage();
