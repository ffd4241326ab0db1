// SPDX-License-Identifier: GPL-3.0-or-later
#include "IconWriter.h"

#include "Palette.h"

#include <QDataStream>
#include <QIODevice>
#include <QHash>
#include <stdexcept>
#include <string>

static int paddedRowBytes(int bits)
{
    return (bits + 31) / 32 * 4;
}

QByteArray encodeIcon(const QImage &source)
{
    const QImage picture = source.convertToFormat(QImage::Format_RGB32);
    const int width = picture.width();
    const int height = picture.height();
    if (width < 1 || height < 1 || width > 256 || height > 256)
        throw std::runtime_error("icon picture must be 1 to 256 pixels wide and high");

    const QList<QRgb> &table = pictureColourTable();
    QHash<QRgb, quint8> indexOf;
    for (int i = table.size() - 1; i >= 0; --i)
        indexOf.insert(table[i], quint8(i));

    const int pixelRowBytes = paddedRowBytes(width * 8);
    const int maskRowBytes = paddedRowBytes(width);
    const quint32 headerBytes = 40;
    const quint32 imageBytes = quint32(headerBytes + 256 * 4 + (pixelRowBytes + maskRowBytes) * height);

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);

    // Icon directory with its single entry; 0 stands for 256 in the size and colour fields.
    out << quint16(0) << quint16(1) << quint16(1);
    out << quint8(width % 256) << quint8(height % 256) << quint8(0) << quint8(0);
    out << quint16(1) << quint16(8) << imageBytes << quint32(6 + 16);

    out << headerBytes << qint32(width) << qint32(2 * height) << quint16(1) << quint16(8)
        << quint32(0) << quint32((pixelRowBytes + maskRowBytes) * height)
        << qint32(0) << qint32(0) << quint32(0) << quint32(0);
    for (const QRgb colour : table)
        out << quint8(qBlue(colour)) << quint8(qGreen(colour)) << quint8(qRed(colour)) << quint8(0);

    for (int y = height - 1; y >= 0; --y) {
        const QRgb *pixels = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        QByteArray row(pixelRowBytes, '\0');
        for (int x = 0; x < width; ++x) {
            const auto found = indexOf.constFind(pixels[x] | 0xff000000u);
            if (found == indexOf.constEnd())
                throw std::runtime_error("colour outside the palette at " + std::to_string(x) + ","
                                         + std::to_string(y));
            row[x] = char(found.value());
        }
        out.writeRawData(row.constData(), row.size());
    }
    const QByteArray opaqueMask(maskRowBytes * height, '\0');
    out.writeRawData(opaqueMask.constData(), opaqueMask.size());
    return bytes;
}
