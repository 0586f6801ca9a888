#pragma once

#include <QString>

class Printer;

// The text as far as it fits in `ruimte` twips in the printer's current font; a text cut short
// ends in "…", after the last whole character before it.
QString Passend(Printer &printer, const QString &tekst, int ruimte);
