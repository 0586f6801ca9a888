#pragma once

#include "cli/Afloop.h"

class Programma;
class QTextStream;

// `geldlog overzicht`: the balance of every saved list, one line each ("2026 Maart: 1234,56"),
// then the total ("Totaal € 1234,56"), as the balance overview shows them, without its pauses.
// A list that cannot be read completely gives no line and counts for nothing, as there; `fout`
// names it.
Afloop Overzicht(const Programma &programma, QTextStream &uit, QTextStream &fout);
