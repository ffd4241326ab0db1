// Draws every picture resource that has artwork and writes it under the given
// folder as <page>/<name>, replacing what is there.
#include "Artwork.h"
#include "GifWriter.h"
#include "IconWriter.h"
#include "PictureCatalogue.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <cstdio>
#include <stdexcept>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: artwork OUTPUT_FOLDER\n");
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
            QFile file(out.filePath(resource.name));
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                throw std::runtime_error("cannot write " + file.fileName().toStdString());
            ++written;
        }
    } catch (const std::exception &error) {
        std::fprintf(stderr, "artwork: %s\n", error.what());
        return 1;
    }
    std::printf("artwork: %d pictures written to %s\n", written, argv[1]);
    return 0;
}
