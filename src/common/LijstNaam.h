#pragma once

#include <QString>

class HoofdVenster;

// "Naam..... : " and the list's name for the main window's Label7.
QString NaamTekst(const QString &lijstNaam);

// The list in the table is now `naam`, as stored in the file of `eigenLijst` (empty: no file of
// its own yet), with nothing unsaved: the program's values and Label7 say so.
void NoemLijst(HoofdVenster &hoofd, const QString &naam, const QString &eigenLijst);
