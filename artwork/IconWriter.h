// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

// Writes a picture as an icon file holding one image: 8 bits per pixel with the
// 256-entry picture colour table, a BITMAPINFOHEADER of twice the picture height,
// the colour pixels bottom-up and a 1-bit mask with every pixel opaque. A 16 x 16
// picture gives 1406 bytes. Throws std::runtime_error if a pixel is not a palette
// colour or the picture is larger than an icon image can be (256 x 256).
QByteArray encodeIcon(const QImage &picture);
