#include "Artwork.h"

QList<ArtworkEntry> directionalValveSectionArtwork()
{
    return {};
}
