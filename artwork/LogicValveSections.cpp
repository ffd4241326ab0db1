#include "Artwork.h"

QList<ArtworkEntry> logicValveSectionArtwork()
{
    return {};
}
