// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A rectangle in twips, as the layout tables give positions and sizes (15 twips
// make a pixel at 96 dpi).
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const TwipRect &) const = default;
};
