// SPDX-License-Identifier: GPL-3.0-or-later
#include "Artwork.h"

QList<ArtworkEntry> allArtwork()
{
    QList<ArtworkEntry> all;
    all += homePageArtwork();
    all += directionalValveSectionArtwork();
    all += directionalValveCircuitArtwork();
    all += compressorArtwork();
    all += airTreatmentArtwork();
    all += logicValveSectionArtwork();
    all += logicValveCircuitArtwork();
    all += controlValveSectionArtwork();
    all += controlValveCircuitArtwork();
    return all;
}
