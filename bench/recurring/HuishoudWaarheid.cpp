#include "HuishoudWaarheid.h"

#include "matching/Huishouden.h"

Huishouding MaakHuishouding(int jaar, quint32 zaad)
{
    HuishoudJaar gemaakt = MaakHuishoudJaar(jaar, zaad);
    Huishouding huishouding;
    for (size_t maand = 0; maand < 12; ++maand) {
        huishouding.afschriften[maand] = gemaakt.maanden[maand].afschrift;
        huishouding.lijsten[maand] = std::move(gemaakt.maanden[maand].lijst);
    }
    huishouding.vasteLasten = std::move(gemaakt.vasteLasten);
    for (const HuishoudContract &contract : gemaakt.contracten) {
        huishouding.contracten.push_back(
            { contract.naam, contract.woord, static_cast<int>(contract.elke), contract.centen,
                contract.wisselend, contract.gewijzigd, contract.nieuweCenten, contract.gestopt });
    }
    return huishouding;
}
