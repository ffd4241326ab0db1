// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPainter>

// A blank white picture of the given size, and a painter set up for it: no
// antialiasing anywhere (shapes or text), so every pixel keeps a palette colour.
QImage blankPicture(QSize size);

class PicturePainter : public QPainter {
public:
    explicit PicturePainter(QImage *picture);
};
