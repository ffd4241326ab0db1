#include "Artwork.h"

QList<ArtworkEntry> controlValveSectionArtwork()
{
    return {};
}
