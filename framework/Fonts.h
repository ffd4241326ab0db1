// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PageDescription.h"

#include <QFont>

// The faces the pages name are not installed on Linux; Liberation Sans stands in
// for "Arial" and "MS Sans Serif" (same metrics as Arial) and Liberation Serif for
// "Dutch801 XBd BT". Sizes are set in pixels from the points at 96 dpi, so a page
// looks the same whatever the screen's dpi.
// Advances are left unhinted so text measures the same on every platform.
void installFontSubstitutions();
int pixelSizeForPoints(double points);
QFont fontFor(const FontSpec &font);
