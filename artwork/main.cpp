// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every picture resource that has artwork and writes it under the given
// folder as <page>/<name>, replacing what is there; given a second folder, also
// draws the desktop icon there at each of its sizes, as hicolor/<size>x<size>/apps/*.png
// with a transparent ground, and scalable, as hicolor/scalable/apps/*.svg.
#include "Artwork.h"
#include "GifWriter.h"
#include "IconWriter.h"
#include "PictureCatalogue.h"
#include "ProgramIcon.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <cstdio>
#include <stdexcept>

static void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

static QByteArray encodePng(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG", 0))
        throw std::runtime_error("cannot encode a PNG picture");
    return bytes;
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: artwork PICTURES_FOLDER [ICONS_FOLDER]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));

    QHash<QString, PictureDrawer> drawers;
    for (const ArtworkEntry &entry : allArtwork())
        drawers.insert(entry.page + u'/' + entry.control, entry.draw);

    int written = 0;
    try {
        for (const PictureResource &resource : pictureResources()) {
            const auto drawer = drawers.constFind(resource.page + u'/' + resource.control);
            if (drawer == drawers.constEnd())
                continue;
            const QImage picture = (*drawer)(resource.frame, resource.size);
            if (picture.size() != resource.size)
                throw std::runtime_error("wrong size for " + resource.name.toStdString());
            const bool isIcon = resource.name.endsWith(QLatin1String(".ico"));
            const QByteArray bytes = isIcon ? encodeIcon(picture) : encodeGif(picture);
            out.mkpath(resource.page);
            writeFile(out.filePath(resource.name), bytes);
            ++written;
        }
        if (argc == 3) {
            const QDir icons(QString::fromLocal8Bit(argv[2]));
            for (const int size : desktopIconSizes()) {
                const QString path = icons.filePath(desktopIconPath(size));
                icons.mkpath(QFileInfo(path).path());
                writeFile(path, encodePng(drawDesktopIcon(size)));
                ++written;
            }
            const QString scalable = icons.filePath(scalableIconPath());
            icons.mkpath(QFileInfo(scalable).path());
            writeFile(scalable, drawScalableIcon());
            ++written;
        }
    } catch (const std::exception &error) {
        std::fprintf(stderr, "artwork: %s\n", error.what());
        return 1;
    }
    std::printf("artwork: %d pictures written to %s\n", written, argv[1]);
    return 0;
}
