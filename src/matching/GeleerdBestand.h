#pragma once

#include "matching/Geleerd.h"

#include <QString>

#include <optional>

class Programma;
class QIODevice;

// What was learned is kept in Data/Geleerde omschrijvingen.txt, UTF-8, readable: a first line
// that names the file, then per kind of transaction a line of its word (empty when it kept the
// bank's text), the counterparty's account, its name and the words of its description, separated
// by tabs; under it a line per transaction, indented by two blanks: its date and amount,
// "  2026-03-12 -145,00". Every line ends in CR LF.

// The stream forms, testable on a buffer.
bool SchrijfGeleerd(QIODevice &uit, const Geleerd &geleerd, QString *fout);
// Nothing when the bytes are no such file or damaged anywhere: what was learned is then lost
// whole, never partly. `reden` says why, in Dutch: "regel 14 is beschadigd".
std::optional<Geleerd> LeesGeleerd(QIODevice &in, QString *reden);

QString GeleerdPad(const Programma &programma);

// What the program learned. A missing file has learned nothing yet; so has a damaged or foreign
// one, which is put aside as "Geleerde omschrijvingen (beschadigd).txt" so that nothing is lost,
// and `melding` says so in Dutch for the caller to show: once, as the next reading starts afresh.
// `melding` stays empty when all is well.
Geleerd LaadGeleerd(const Programma &programma, QString *melding);

// Writes what was learned, replacing the file only once it is written whole; on failure the old
// file is untouched and `fout` says why, in Dutch.
bool BewaarGeleerd(const Programma &programma, const Geleerd &geleerd, QString *fout);
