#pragma once

#include "common/ItemModel.h"

#include <cstdio>
#include <vector>

// Rows of typical length as a list file gives them: each text decoded on its own, so no two
// rows share their text, and made without temporary texts, so the heap holds the rows alone.
// Every other row is an income, the rest expenses; the other amount stays empty.
inline std::vector<Item> TypischeRijen(int aantal)
{
    const auto tekst = [](const char *formaat, int getal) {
        char buffer[32];
        const int lengte = std::snprintf(buffer, sizeof buffer, formaat, getal);
        return QString::fromLatin1(buffer, lengte);
    };
    std::vector<Item> rijen;
    for (int i = 0; i < aantal; ++i) {
        Item item { tekst("2026-12-%02d", 1 + i % 28), tekst("Boodschappen week %2d", i % 100), {},
            {} };
        (i % 2 == 0 ? item.inkomsten : item.uitgaven) = tekst("%03d,45", i % 1000);
        rijen.push_back(std::move(item));
    }
    return rijen;
}
