#pragma once

#include "cli/Afloop.h"

#include <QDate>
#include <QString>

#include <optional>

class Programma;
class QTextStream;

// `geldlog importeer <bestand> <lijst>`: the new transactions of a bank file added to a list.
struct ImporteerOpdracht {
    QString bestand; // the bank file
    QString lijst; // the list's name as typed, taken as the save dialog takes it
    // Only the transactions booked in this month; the day is ignored.
    std::optional<QDate> maand;
    bool proef = false; // show what would be added, write nothing
};

// Reads the bank file, leaves out the transactions the list already holds (ZoekInLijst, with the
// fixed costs) and writes the list with the others added, safely as a save does, each under the
// household's word where Geldlog is sure of it; a missing list is made. What the list taught is
// kept as the bank window keeps it. Reports to `uit`; refusals, unreadable rows and a learning
// file that could not be read or written go to `fout`.
Afloop Importeer(const Programma &programma, const ImporteerOpdracht &opdracht, QTextStream &uit,
    QTextStream &fout);
