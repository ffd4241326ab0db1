// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <functional>

// One drawing function per picture array: it draws frame `frame` (-1 for a single
// image) at exactly `size` pixels, in palette colours only.
using PictureDrawer = std::function<QImage(int frame, QSize size)>;

struct ArtworkEntry {
    QString page;
    QString control;
    PictureDrawer draw;
};

// Each group of pages contributes its drawings in a file of its own.
QList<ArtworkEntry> homePageArtwork();
QList<ArtworkEntry> directionalValveSectionArtwork();
QList<ArtworkEntry> directionalValveCircuitArtwork();
QList<ArtworkEntry> compressorArtwork();
QList<ArtworkEntry> airTreatmentArtwork();
QList<ArtworkEntry> logicValveSectionArtwork();
QList<ArtworkEntry> logicValveCircuitArtwork();
QList<ArtworkEntry> controlValveSectionArtwork();
QList<ArtworkEntry> controlValveCircuitArtwork();

QList<ArtworkEntry> allArtwork();
