// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PageDescription.h"

#include <QColor>
#include <functional>

// Colour values with the top bit set name an entry of the user's system colour
// scheme; they are looked up each time something is painted, through one provider.
// The provider defaults to the standard scheme; tests may install another.
using SystemColourProvider = std::function<QColor(int index)>;

QColor standardSystemColour(int index);
void setSystemColourProvider(SystemColourProvider provider);  // empty: back to the standard scheme
QColor resolveColour(ColourValue value);
