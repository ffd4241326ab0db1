#include "Artwork.h"

QList<ArtworkEntry> allArtwork()
{
    QList<ArtworkEntry> all;
    all += homePageArtwork();
    all += directionalValveSectionArtwork();
    all += directionalValveCircuitArtwork();
    return all;
}
