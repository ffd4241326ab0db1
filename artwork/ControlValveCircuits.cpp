#include "Artwork.h"

QList<ArtworkEntry> controlValveCircuitArtwork()
{
    return {};
}
