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

QFont fontFor(const FontSpec &spec)
{
    installFontSubstitutions();
    QFont font(spec.face);
    font.setPixelSize(pixelSizeForPoints(spec.points));
    font.setWeight(spec.weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStrikeOut(spec.strikeout);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}
