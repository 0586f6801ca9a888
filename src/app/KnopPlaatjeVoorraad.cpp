#include "app/KnopPlaatjes.h"

// Written by knopplaatje-maker while building: every strip of TekenKnopPlaatje, row by row.
extern const QRgb KnopPlaatjePixels[KnopPlaatjeSoorten]
                                   [2 * KnopPlaatjeGrootte * KnopPlaatjeGrootte];

QImage KnopPlaatje(KnopPlaatjeSoort soort)
{
    // The image reads the kept pixels in place; nothing is copied or drawn.
    return QImage(reinterpret_cast<const uchar *>(KnopPlaatjePixels[int(soort)]),
        2 * KnopPlaatjeGrootte, KnopPlaatjeGrootte, QImage::Format_RGB32);
}
