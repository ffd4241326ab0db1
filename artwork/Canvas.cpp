// SPDX-License-Identifier: GPL-3.0-or-later
#include "Canvas.h"

#include "Palette.h"

QImage blankPicture(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Colour::White);
    return picture;
}

PicturePainter::PicturePainter(QImage *picture) : QPainter(picture)
{
    setRenderHint(QPainter::Antialiasing, false);
    setRenderHint(QPainter::TextAntialiasing, false);
    setRenderHint(QPainter::SmoothPixmapTransform, false);
}
