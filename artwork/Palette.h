// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QRgb>

// The named colours every picture is drawn with. Pictures are drawn without
// antialiasing, so each pixel is exactly one of these; the GIF writer refuses any
// other colour. Index 0 (white) is the background index of every picture.
namespace Colour {
inline constexpr QRgb White      = qRgb(255, 255, 255);
inline constexpr QRgb Black      = qRgb(0, 0, 0);
inline constexpr QRgb Red        = qRgb(255, 0, 0);        // air under pressure
inline constexpr QRgb Orange     = qRgb(255, 132, 0);      // air under a reduced, regulated pressure
inline constexpr QRgb Blue       = qRgb(0, 0, 255);        // air exhausted or without pressure
inline constexpr QRgb LightGrey  = qRgb(198, 198, 198);    // bodies
inline constexpr QRgb MidGrey    = qRgb(132, 132, 132);
inline constexpr QRgb DarkGrey   = qRgb(99, 99, 99);       // moving parts
inline constexpr QRgb DeepGrey   = qRgb(66, 66, 66);
inline constexpr QRgb PaleGrey   = qRgb(231, 231, 231);
inline constexpr QRgb LightCyan  = qRgb(198, 255, 255);
inline constexpr QRgb Purple     = qRgb(198, 0, 198);      // non-return symbol passing air
inline constexpr QRgb LightYellow = qRgb(255, 255, 198);
inline constexpr QRgb PaleYellow = qRgb(255, 255, 231);
inline constexpr QRgb DottedYellow = qRgb(239, 239, 181);  // texture on the button faces
inline constexpr QRgb OliveGrey  = qRgb(132, 132, 99);     // dark bevel of the button faces
inline constexpr QRgb DarkRed    = qRgb(132, 0, 0);
inline constexpr QRgb MidRed     = qRgb(198, 0, 0);
inline constexpr QRgb LightRed   = qRgb(255, 99, 99);
inline constexpr QRgb Pink       = qRgb(255, 132, 132);
inline constexpr QRgb PaleRed    = qRgb(255, 198, 198);
inline constexpr QRgb LightBlue  = qRgb(132, 132, 255);
inline constexpr QRgb PaleBlue   = qRgb(198, 198, 255);
inline constexpr QRgb DarkBlue   = qRgb(0, 0, 132);
inline constexpr QRgb BlueGrey   = qRgb(99, 132, 165);
inline constexpr QRgb Green      = qRgb(0, 132, 0);
inline constexpr QRgb Yellow     = qRgb(255, 255, 0);
}

// The 256-entry colour table written into every picture: the named colours first,
// the rest black.
const QList<QRgb> &pictureColourTable();
