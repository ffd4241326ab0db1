// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fonts.h"

#include <cmath>

void installFontSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Dutch801 XBd BT"), QStringLiteral("Liberation Serif"));
}

int pixelSizeForPoints(double points)
{
    return int(std::lround(points * 96.0 / 72.0));
}

QFont fontFor(const FontSpec &described)
{
    installFontSubstitutions();
    // The stand-in's own name: asked for a face it does not have, the toolkit would
    // first ask the system for fall-backs, a slow search, before trying the stand-in.
    QFont font(QFont::substitute(described.face));
    font.setPixelSize(pixelSizeForPoints(described.points));
    font.setWeight(described.weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setItalic(described.italic);
    font.setUnderline(described.underline);
    font.setStrikeOut(described.strikeout);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}
