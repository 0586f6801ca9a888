#pragma once

#include "cli/Afloop.h"

#include <QString>

#include <optional>

class Programma;
class QTextStream;

// `geldlog zoek <tekst> [--jaar JJJJ]`: every entry whose description holds the text (ignoring
// case), of that year or of every year, one a line in the order of their dates: date, list,
// description and amount (income minus expenses); the last line counts them, "12 posten:
// inkomsten € 0,00, uitgaven € 1482,35, saldo € -1482,35". Only entries that count in the year
// overview are found; what does not count is told on `fout`.
Afloop Zoek(const Programma &programma, const QString &tekst, std::optional<int> jaar,
    QTextStream &uit, QTextStream &fout);
