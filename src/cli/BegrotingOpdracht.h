#pragma once

#include "cli/Afloop.h"

#include <QString>
#include <QStringList>

#include <optional>

class Programma;
class QTextStream;

// `geldlog begroting …` as typed: the words after "begroting" and the options given.
struct BegrotingOpdracht {
    QStringList woorden;
    std::optional<QString> op; // the reckoning day, "JJJJ-MM-DD"; today when not given
    bool opslaan = false;
    bool csv = false;
};

// `geldlog begroting zet <omschrijving> <bedrag>`: stores a monthly budget (0 takes it away).
// `geldlog begroting voorstel [--op JJJJ-MM-DD] [--opslaan]`: a line `Omschrijving;Voorstel` per
// proposal, stored for the descriptions without a budget with --opslaan.
// `geldlog begroting [JJJJ-MM] [--op JJJJ-MM-DD] [--csv]`: the month of the budget as a table or
// CSV, with what is free to spend.
// What does not count (lists, entries, a damaged budget file) is told on `fout`.
Afloop Begroot(const Programma &programma, const BegrotingOpdracht &opdracht, QTextStream &uit,
    QTextStream &fout);
