#pragma once

#include <QString>

class QIODevice;
struct ProgrammaWaarden;

// The settings file Geldlog.ini in the program folder: a header line, a separator line and the
// background colour as "red,green,blue", each line ended by CR LF.

// Reads the colour into the values. Stops at the first field that is missing or wrong, keeping
// the components read before it; true only when all three were read.
bool LeesInstellingen(const QString &pad, ProgrammaWaarden &waarden);
// The same from an open device, testable on a buffer.
bool LeesInstellingen(QIODevice &in, ProgrammaWaarden &waarden);

// Writes the file anew from the values; on failure `fout` says why, in Dutch.
bool SchrijfInstellingen(const QString &pad, const ProgrammaWaarden &waarden, QString *fout);
