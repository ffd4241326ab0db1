#include "Artwork.h"

QList<ArtworkEntry> compressorArtwork()
{
    return {};
}
