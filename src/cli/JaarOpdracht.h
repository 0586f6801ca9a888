#pragma once

#include "cli/Afloop.h"

class Programma;
class QTextStream;

// `geldlog jaar <JJJJ> [--csv]`: the year overview's table, a row per description with its
// months and total and the row "Totaal" last, aligned for a terminal or, with `csv`, as the
// window saves it. What does not count (entries without a readable date, lists that cannot be
// read) and a year without entries are told on `fout`.
Afloop Jaar(const Programma &programma, int jaar, bool csv, QTextStream &uit, QTextStream &fout);
