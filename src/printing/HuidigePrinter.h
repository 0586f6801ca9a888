#pragma once

#include <QString>

#include <functional>

class Printer;
class Programma;
class QWidget;

// Lays out the pages of one job on the printer; false, with the reason when the printer gives
// one, when the job failed.
using Bladzijden = std::function<bool(Printer &printer, QString *fout)>;

// Makes sure the program has a current printer before a print run: the first time one is
// needed, the system's default, or else the first printer installed. False, after telling the
// user, when no printer is installed at all.
bool KiesHuidigePrinter(Programma &programma, QWidget *ouder);

// Prints one job named `document` on the program's current printer, the busy pointer on until
// the job is handed over. A failure, a printer that has gone included, is told to the user over
// `ouder`. True when the job was handed over.
bool DrukAf(
    Programma &programma, QWidget *ouder, const QString &document, const Bladzijden &bladzijden);
