// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemColours.h"

#include <array>

QColor standardSystemColour(int index)
{
    static constexpr std::array<QRgb, 25> scheme = {
        qRgb(192, 192, 192), qRgb(0, 128, 128),   qRgb(0, 0, 128),     qRgb(128, 128, 128), qRgb(192, 192, 192),
        qRgb(255, 255, 255), qRgb(0, 0, 0),       qRgb(0, 0, 0),       qRgb(0, 0, 0),       qRgb(255, 255, 255),
        qRgb(192, 192, 192), qRgb(192, 192, 192), qRgb(128, 128, 128), qRgb(0, 0, 128),     qRgb(255, 255, 255),
        qRgb(192, 192, 192), qRgb(128, 128, 128), qRgb(128, 128, 128), qRgb(0, 0, 0),       qRgb(192, 192, 192),
        qRgb(255, 255, 255), qRgb(0, 0, 0),       qRgb(223, 223, 223), qRgb(0, 0, 0),       qRgb(255, 255, 225),
    };
    if (index < 0 || index >= int(scheme.size()))
        return Qt::black;
    return QColor::fromRgb(scheme[index]);
}

static SystemColourProvider &currentProvider()
{
    static SystemColourProvider provider;
    return provider;
}

void setSystemColourProvider(SystemColourProvider provider)
{
    currentProvider() = std::move(provider);
}

QColor resolveColour(ColourValue value)
{
    if (value & 0x80000000u) {
        const int index = int(value & 0xFFu);
        const SystemColourProvider &provider = currentProvider();
        return provider ? provider(index) : standardSystemColour(index);
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}
