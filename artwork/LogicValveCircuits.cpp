#include "Artwork.h"

QList<ArtworkEntry> logicValveCircuitArtwork()
{
    return {};
}
