// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureCatalogue.h"

#include "ComponentPages.h"

const QList<PictureArray> &pictureArrays()
{
    static const QList<PictureArray> arrays = [] {
        const QSize homeButtonSize{60, 30};
        QList<PictureArray> all{{PageName::Home, QStringLiteral("icon"), 0, {16, 16}, {}}};
        for (const ComponentPage &row : componentPages())
            all.append({PageName::Home, row.homeButton.image, 0, homeButtonSize, {}});
        for (const ComponentPage &row : componentPages())
            for (const PagePicture &picture : row.pictures)
                all.append({row.page, picture.control, picture.frames, picture.size, picture.frameSizes});
        return all;
    }();
    return arrays;
}

QString framePictureName(const QString &page, const QString &control, int frame)
{
    return page + u'/' + control + u'_' + QString::number(frame) + QStringLiteral(".gif");
}

QString imagePictureName(const QString &page, const QString &control)
{
    return page + u'/' + control + QStringLiteral(".gif");
}

QString iconPictureName(const QString &page)
{
    return page + QStringLiteral("/icon.ico");
}

int frameCount(const QString &page, const QString &control)
{
    const PagePicture *picture = findPagePicture(page, control);
    return picture ? picture->frames : 0;
}

QList<PictureResource> pictureResources()
{
    QList<PictureResource> resources;
    for (const PictureArray &array : pictureArrays()) {
        if (array.control == QLatin1String("icon")) {
            resources.append({iconPictureName(array.page), array.page, array.control, -1, array.size});
            continue;
        }
        if (array.frames == 0) {
            resources.append({imagePictureName(array.page, array.control), array.page, array.control, -1,
                              array.size});
            continue;
        }
        for (int frame = 0; frame < array.frames; ++frame) {
            QSize size = array.size;
            for (const auto &[index, other] : array.frameSizes)
                if (index == frame)
                    size = other;
            resources.append({framePictureName(array.page, array.control, frame), array.page, array.control,
                              frame, size});
        }
    }
    return resources;
}
