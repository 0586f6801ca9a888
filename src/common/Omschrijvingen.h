#pragma once

#include <QStringList>

class Programma;
class QComboBox;
class QIODevice;

// The descriptions of a descriptions file, one a line, blank lines kept.
QStringList LeesOmschrijvingen(QIODevice &in);

// The user's standard descriptions, one per line of Data/Omschrijving.txt; blank lines are kept.
// A missing or unreadable file gives none.
QStringList LeesOmschrijvingBestand(const Programma &programma);

// Fills a description combo: an empty item first, then the descriptions in alphabetical order,
// with the empty item selected.
void LaadOmschrijvingen(QComboBox &combo, const Programma &programma);
