#pragma once

// An ING export of a current account for the benchmarks that read or import one: each
// transaction of its own shop, day and amount, about 200 bytes a line.

#include "IngRegels.h"

#include <QByteArray>

#include <cstdio>

inline QByteArray IngBestand(int aantal)
{
    QByteArray bytes = IngKop + "\r\n";
    bytes.reserve(bytes.size() + qsizetype(aantal) * 220);
    char regel[320];
    for (int i = 0; i < aantal; ++i) {
        const int lengte = std::snprintf(regel, sizeof regel,
            "\"2026%02d%02d\";\"Winkel %d Amsterdam\";\"NL11INGB0001234567\";"
            "\"NL22RABO0123456789\";\"BA\";\"%s\";\"%d,%02d\";\"Betaalautomaat\";\"Pasvolgnr: 001 "
            "%02d-%02d-2026 12:%02d Transactie: AB%06d Term: XY1234\";\"1000,00\";\"\"\r\n",
            1 + i % 12, 1 + i % 28, i, i % 5 == 0 ? "Bij" : "Af", i % 997, i % 100, 1 + i % 28,
            1 + i % 12, i % 60, i);
        bytes.append(regel, lengte);
    }
    return bytes;
}
