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
    // Only the transactions booked in this month; the day is ignored. Without it, those of the
    // month the list is named after, if any.
    std::optional<QDate> maand;
    bool alle = false; // the transactions of every month, whatever the list is named
    bool proef = false; // show what would be added, write nothing
};

// Reads the bank file, leaves out the transactions the list or any other saved list already
// holds (ZoekInDataMap, with the fixed costs) and writes the list with the others of its month
// added, safely as a save does, each under the household's word where Geldlog is sure of it; a
// missing list is made, and a name that differs from a saved list's only in capitals or blanks
// is that list. The new transactions of other months are counted per month, with the command
// that adds them. What the list taught is kept as the bank window keeps it. Reports to `uit`;
// refusals, unreadable rows and a learning file that could not be read or written go to `fout`.
Afloop Importeer(const Programma &programma, const ImporteerOpdracht &opdracht, QTextStream &uit,
    QTextStream &fout);
