// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers for tests that look inside the committed picture resources.

#include "PictureCatalogue.h"

#include <QImage>
#include <QSet>

namespace PictureChecks {

inline constexpr QRgb Red = qRgb(255, 0, 0);
inline constexpr QRgb Orange = qRgb(255, 132, 0);  // reduced pressure
inline constexpr QRgb Blue = qRgb(0, 0, 255);
inline constexpr QRgb Black = qRgb(0, 0, 0);
inline constexpr QRgb White = qRgb(255, 255, 255);

// The committed resource of that name, as 32-bit pixels.
inline QImage committed(const QString &name)
{
    return QImage(QStringLiteral(VENTIRO_SOURCE_DIR "/resources/pictures/") + name)
        .convertToFormat(QImage::Format_RGB32);
}

inline QImage committedFrame(const QString &page, const QString &control, int frame)
{
    return committed(framePictureName(page, control, frame));
}

inline QSet<QRgb> coloursIn(const QImage &picture, const QRect &area)
{
    QSet<QRgb> colours;
    const QRect clipped = area.intersected(picture.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            colours.insert(picture.pixel(x, y));
    return colours;
}

inline bool contains(const QImage &picture, QRgb colour)
{
    return coloursIn(picture, picture.rect()).contains(colour);
}

inline int firstInRow(const QImage &picture, int row, QRgb colour)
{
    for (int x = 0; x < picture.width(); ++x)
        if (picture.pixel(x, row) == colour)
            return x;
    return -1;
}

inline int lastInRow(const QImage &picture, int row, QRgb colour)
{
    for (int x = picture.width() - 1; x >= 0; --x)
        if (picture.pixel(x, row) == colour)
            return x;
    return -1;
}

} // namespace PictureChecks
