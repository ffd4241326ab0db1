// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

// Writes a picture as a GIF89a file in the one form every picture resource has:
// logical screen equal to the picture, a 256-entry global colour table (colour
// resolution 8 bits, unsorted), background index 0, aspect ratio 0, one image at
// (0, 0) without local table or interlace, LZW minimum code size 8, and no
// extension blocks. Throws std::runtime_error if a pixel is not a palette colour.
QByteArray encodeGif(const QImage &picture);
