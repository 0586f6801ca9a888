// Run while the program is built: draws every button picture and writes their pixels as a C++
// source file, which KnopPlaatje then returns without drawing at start-up.
#include "app/KnopPlaatjes.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.cpp>\n", argv[0]);
        return 2;
    }
    std::FILE *uit = std::fopen(argv[1], "w");
    if (!uit) {
        std::perror(argv[1]);
        return 1;
    }
    std::fprintf(uit,
        "// Made by knopplaatje-maker while building; not to be edited.\n"
        "#include \"app/KnopPlaatjes.h\"\n\n"
        "extern const QRgb KnopPlaatjePixels[KnopPlaatjeSoorten][2 * KnopPlaatjeGrootte "
        "* KnopPlaatjeGrootte];\n"
        "alignas(16) const QRgb KnopPlaatjePixels[KnopPlaatjeSoorten][2 * KnopPlaatjeGrootte "
        "* KnopPlaatjeGrootte] = {\n");
    for (int soort = 0; soort < KnopPlaatjeSoorten; ++soort) {
        const QImage strook = TekenKnopPlaatje(KnopPlaatjeSoort(soort));
        std::fprintf(uit, "    {");
        for (int y = 0; y < strook.height(); ++y) {
            const auto *rij = reinterpret_cast<const QRgb *>(strook.constScanLine(y));
            for (int x = 0; x < strook.width(); ++x)
                std::fprintf(uit, "%s0x%08xu,", x % 8 == 0 ? "\n        " : " ", rij[x]);
        }
        std::fprintf(uit, "\n    },\n");
    }
    std::fprintf(uit, "};\n");
    return std::fclose(uit) == 0 ? 0 : 1;
}
