#include "Artwork.h"

QList<ArtworkEntry> directionalValveCircuitArtwork()
{
    return {};
}
