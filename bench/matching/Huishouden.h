#pragma once

// A year of one household's money, made up but as a real one runs: its bank's monthly exports in
// ING's CSV layout, and the months it kept by hand in its own words. For the benchmark that
// learns the household's words from one half year and proposes them for the other.

#include "common/ItemModel.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <vector>

struct HuishoudMaand {
    QByteArray afschrift; // the month's ING export, transactions by booking date
    // Per transaction of the export, in its order: what the household calls it, and whether
    // it stands in this month's list (typed, or exported from the fixed costs).
    std::vector<QString> woorden;
    std::vector<bool> inLijst;
    // The month as the household typed it: most transactions, a day or a few before the bank
    // booked them, under its own word; the fixed costs exported on the first; a few cash
    // payments of its own. Some transactions it never typed.
    ItemRijen lijst;
};

struct HuishoudJaar {
    std::array<HuishoudMaand, 12> maanden;
    ItemRijen vasteLasten; // as the fixed-costs window keeps them, dated "-"
};

// The same year for the same seed. About 1,500 transactions: two salaries (one with its holiday
// allowance in May), rent and the other fixed costs by direct debit, groceries at chains of many
// stores, a bakery, fuel, the chemist, shops met once, a holiday in Belgium in May and in France
// in August, Tikkies both ways, webshops through payment services, refunds, the tax office both
// ways, savings.
HuishoudJaar MaakHuishoudJaar(int jaar, quint32 zaad);
