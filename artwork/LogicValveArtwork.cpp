#include "Artwork.h"

QList<ArtworkEntry> logicValveArtwork()
{
    return {};
}
