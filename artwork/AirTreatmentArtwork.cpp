#include "Artwork.h"

QList<ArtworkEntry> airTreatmentArtwork()
{
    return {};
}
