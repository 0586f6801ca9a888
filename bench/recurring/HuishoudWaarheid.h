#pragma once

// The generated household (matching/Huishouden.h) as the contracts' benchmark uses it. The
// generator names its own `Elke`, as src/recurring does: only HuishoudWaarheid.cpp sees both.

#include "common/ItemModel.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <array>
#include <vector>

// A contract of the household as a finder should report it from the year; `elke` counts in the
// order maand, 4 weken, kwartaal, half jaar, jaar.
struct WaarContract {
    QString naam; // the counterparty as the bank writes it
    QString woord; // the household's word
    int elke = 0;
    qint64 centen = 0; // at the start of the year
    bool wisselend = false;
    QDate gewijzigd; // the first payment of a new amount that held; invalid when none
    qint64 nieuweCenten = 0;
    QDate gestopt; // its last payment when it stopped within the year; invalid while it runs
};

struct Huishouding {
    std::array<QByteArray, 12> afschriften; // each month's ING export
    std::array<ItemRijen, 12> lijsten; // each month as kept by hand
    ItemRijen vasteLasten;
    std::vector<WaarContract> contracten;
};

Huishouding MaakHuishouding(int jaar, quint32 zaad);
