#pragma once

#include "cli/Afloop.h"

#include <QDate>

class Programma;
class QTextStream;

// `geldlog terugkerend [--op JJJJ-MM-DD] [--csv]`: the contracts and other recurring payments as
// of `op`, incomes first, each aligned in a line for a terminal with what the household should
// note, and what they come to per month; or, with `csv`, in the spreadsheet form of the other
// commands. Files that could not be used are told on `fout`.
Afloop Terugkerend(
    const Programma &programma, QDate op, bool csv, QTextStream &uit, QTextStream &fout);
