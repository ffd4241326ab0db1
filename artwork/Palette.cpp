// SPDX-License-Identifier: GPL-3.0-or-later
#include "Palette.h"

const QList<QRgb> &pictureColourTable()
{
    static const QList<QRgb> table = [] {
        QList<QRgb> colours = {
            Colour::White,     Colour::Black,      Colour::Red,         Colour::Blue,
            Colour::LightGrey, Colour::MidGrey,    Colour::DarkGrey,    Colour::DeepGrey,
            Colour::PaleGrey,  Colour::LightCyan,  Colour::Purple,      Colour::LightYellow,
            Colour::PaleYellow, Colour::DottedYellow, Colour::OliveGrey, Colour::DarkRed,
            Colour::MidRed,    Colour::LightRed,   Colour::Pink,        Colour::PaleRed,
            Colour::LightBlue, Colour::PaleBlue,   Colour::DarkBlue,    Colour::BlueGrey,
            Colour::Green,     Colour::Yellow,     Colour::Orange,
        };
        while (colours.size() < 256)
            colours.append(Colour::Black);
        return colours;
    }();
    return table;
}
