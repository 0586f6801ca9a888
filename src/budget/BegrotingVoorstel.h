#pragma once

#include <QDate>
#include <QString>

#include <vector>

struct Posten;

// What a description cost a month in the year before: the proposal for its budget.
struct BegrotingVoorstel {
    QString omschrijving; // as the entries write it most
    qint64 gemiddeld = 0; // the net expenses per month in whole cents, rounded to the cent
    qint64 bedrag = 0; // the same rounded up to whole euros: the budget proposed, in cents
};

// The twelve complete months before the month of `dag`, "maart 2025 tot en met februari 2026".
QString VoorstelMaanden(QDate dag);

// For every description with net expenses (expenses less incomes under it) in the twelve complete
// months before the month of `dag`: the average per month, rounded up to whole euros. Case and
// blanks around a description aside, by each entry's own date, as the year overview counts. The
// largest first, then by description.
std::vector<BegrotingVoorstel> MaakVoorstellen(const Posten &posten, QDate dag);
