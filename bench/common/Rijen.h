#pragma once

#include "common/ItemModel.h"

#include <cstdio>

// Rows of typical length packed as the list reader gives them, made without temporary texts, so
// the heap holds the rows alone. Every other row is an income, the rest expenses; the other
// amount stays empty.
inline ItemRijen TypischeRijen(int aantal)
{
    struct Tekst {
        char16_t tekens[32];
        QStringView Maak(const char *formaat, int getal)
        {
            char buffer[32];
            const int lengte = std::snprintf(buffer, sizeof buffer, formaat, getal);
            for (int i = 0; i < lengte; ++i)
                tekens[i] = static_cast<unsigned char>(buffer[i]);
            return QStringView(tekens, lengte);
        }
    };
    Tekst datum, omschrijving, bedrag;
    ItemRijen rijen;
    for (int i = 0; i < aantal; ++i) {
        const QStringView b = bedrag.Maak("%03d,45", i % 1000);
        rijen.Voeg(datum.Maak("2026-12-%02d", 1 + i % 28),
            omschrijving.Maak("Boodschappen week %2d", i % 100), i % 2 == 0 ? b : QStringView(),
            i % 2 == 0 ? QStringView() : b);
    }
    rijen.Krimp();
    return rijen;
}
