#pragma once

#include <QStringList>

class Programma;

// Writes the descriptions to Data/Omschrijving.txt in the order given, each line ended by
// CR LF, in Windows-1252; no descriptions give an empty file. The whole file is written before
// it takes the old one's place; on failure the old file stays and `fout` says why, in Dutch.
bool SchrijfOmschrijvingen(
    const Programma &programma, const QStringList &omschrijvingen, QString *fout);
