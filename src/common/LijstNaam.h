#pragma once

#include <QLatin1StringView>
#include <QString>

class HoofdVenster;
class Programma;

// A list is kept in the file of its name with this extension, in the Data folder.
inline constexpr QLatin1StringView LijstExtensie(".lst");

// Data/<naam>.lst of the program.
QString LijstPad(const Programma &programma, const QString &naam);

// "Naam..... : " and the list's name for the main window's Label7.
QString NaamTekst(const QString &lijstNaam);

// The list in the table is now `naam`, as stored in the file of `eigenLijst` (empty: no file of
// its own yet), with nothing unsaved: the program's values and Label7 say so, and how that file
// stands now is remembered.
void NoemLijst(HoofdVenster &hoofd, const QString &naam, const QString &eigenLijst);

// Whether the list's own file was written by another program since the table was opened from it
// or saved to it. A file that has gone meanwhile holds nothing to lose.
bool EigenLijstBuitenGewijzigd(const Programma &programma);
