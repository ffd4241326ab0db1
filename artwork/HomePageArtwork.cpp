#include "Artwork.h"

QList<ArtworkEntry> homePageArtwork()
{
    return {};
}
