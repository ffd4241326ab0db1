// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QSize>
#include <QString>

// Every picture resource built into the program: the home page's icon and picture
// buttons, and each component page's frame arrays and images, as the component
// pages' rows give them. The artwork generator draws every one of them from this
// list and the tests check the embedded files against it.
struct PictureArray {
    QString page;
    QString control;
    int frames;           // 0 for a single image or the icon
    QSize size;           // picture size in pixels
    QList<QPair<int, QSize>> frameSizes;  // frames whose picture differs from `size`
};

struct PictureResource {
    QString name;         // "frmValvula32/picVàlvula32_1.gif"
    QString page;
    QString control;
    int frame;            // -1 for a single image or the icon
    QSize size;
};

const QList<PictureArray> &pictureArrays();
QList<PictureResource> pictureResources();
QString framePictureName(const QString &page, const QString &control, int frame);
QString imagePictureName(const QString &page, const QString &control);
QString iconPictureName(const QString &page);
// The number of frames of a frame array, 0 for a single image or an unknown name.
int frameCount(const QString &page, const QString &control);
