#include "Artwork.h"

QList<ArtworkEntry> controlValveArtwork()
{
    return {};
}
