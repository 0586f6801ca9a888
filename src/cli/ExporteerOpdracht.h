#pragma once

#include "cli/Afloop.h"

#include <QString>

class ItemRijen;
class Programma;
class QIODevice;
class QTextStream;

// `geldlog exporteer <lijst> <bestand.csv>`: a list for a spreadsheet.

// The entries as CSV: the header "Datum;Omschrijving;Inkomsten;Uitgaven", ";" between the cells,
// UTF-8 with BOM and CR LF, so a Dutch spreadsheet opens it as it stands. Amounts as they count
// ("1234,56"), so the spreadsheet's sums are the window's totals; a text that a spreadsheet would
// take for a formula starts with "'". The fixed costs' "-" groups are no entries of the month.
bool SchrijfCsv(QIODevice &uit, const ItemRijen &rijen, QString *fout);

// Writes the list `lijst` safely to `bestand`, over a file that exists only with `vervang`;
// reports to `uit`, refusals to `fout`.
Afloop Exporteer(const Programma &programma, const QString &lijst, const QString &bestand,
    bool vervang, QTextStream &uit, QTextStream &fout);
