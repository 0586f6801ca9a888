#pragma once

#include <QImage>

// The pictures on the program's picture buttons, drawn by the program itself.
enum class KnopPlaatjeSoort {
    NieuwGeldlog,
    GeldlogOpenen,
    GeldlogOpslaan,
    GeldlogAfdrukken,
    Instellingen,
    ProgrammaInfo,
    Help,
    Overzicht,
    Afsluiten,
    Bankafschrift,
};
inline constexpr int KnopPlaatjeSoorten = int(KnopPlaatjeSoort::Bankafschrift) + 1;

// Width and height of one frame in pixels; the buttons that carry them are 56 x 56.
inline constexpr int KnopPlaatjeGrootte = 40;

// Pure green marks the pixels the button leaves transparent.
inline constexpr QRgb KnopPlaatjeMasker = qRgb(0, 255, 0);

// A strip of two frames side by side: the normal picture, then its greyed disabled look.
// Drawn while the program is built and kept in the program, so no start-up waits for drawing.
QImage KnopPlaatje(KnopPlaatjeSoort soort);

// Draws the strip: what the build keeps, and what KnopPlaatje returns.
QImage TekenKnopPlaatje(KnopPlaatjeSoort soort);
