// SPDX-License-Identifier: GPL-3.0-or-later
#include "GifWriter.h"

#include "Palette.h"

#include <QHash>
#include <gif_lib.h>
#include <stdexcept>
#include <vector>

static int appendToBuffer(GifFileType *gif, const GifByteType *bytes, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(bytes), length);
    return length;
}

static void check(int result, const char *step)
{
    if (result != GIF_OK)
        throw std::runtime_error(std::string("GIF writer failed at ") + step);
}

QByteArray encodeGif(const QImage &source)
{
    const QImage picture = source.convertToFormat(QImage::Format_RGB32);
    const QList<QRgb> &table = pictureColourTable();
    QHash<QRgb, GifPixelType> indexOf;
    for (int i = table.size() - 1; i >= 0; --i)
        indexOf.insert(table[i], GifPixelType(i));

    ColorMapObject *map = GifMakeMapObject(256, nullptr);
    for (int i = 0; i < 256; ++i)
        map->Colors[i] = {GifByteType(qRed(table[i])), GifByteType(qGreen(table[i])), GifByteType(qBlue(table[i]))};

    QByteArray bytes;
    int error = 0;
    GifFileType *gif = EGifOpen(&bytes, appendToBuffer, &error);
    if (!gif) {
        GifFreeMapObject(map);
        throw std::runtime_error("GIF writer could not start");
    }
    auto finish = [&] {
        EGifCloseFile(gif, &error);
        GifFreeMapObject(map);
    };
    try {
        EGifSetGifVersion(gif, true);
        check(EGifPutScreenDesc(gif, picture.width(), picture.height(), 8, 0, map), "screen descriptor");
        check(EGifPutImageDesc(gif, 0, 0, picture.width(), picture.height(), false, nullptr), "image descriptor");
        std::vector<GifPixelType> line(picture.width());
        for (int y = 0; y < picture.height(); ++y) {
            const QRgb *pixels = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
            for (int x = 0; x < picture.width(); ++x) {
                const auto found = indexOf.constFind(pixels[x] | 0xff000000u);
                if (found == indexOf.constEnd())
                    throw std::runtime_error("colour outside the palette at " + std::to_string(x) + ","
                                             + std::to_string(y));
                line[x] = found.value();
            }
            check(EGifPutLine(gif, line.data(), picture.width()), "image data");
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
    return bytes;
}
