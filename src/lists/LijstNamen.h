#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

class Programma;

// What the name of a list says besides its file: which saved list it is, and which month it is
// named after.

// Whether two names are of one list. The program was designed where file names ignore case, so
// names that differ only in capitals or in runs of blanks ("juli  2026", "Juli 2026") are one
// list, kept in one file.
bool ZelfdeLijst(const QString &a, const QString &b);

// The saved list that `naam` names among `opgeslagen` (OpgeslagenLijsten): that very name first,
// else the first that is the same list; nothing when there is none.
std::optional<QString> BestaandeLijst(const QStringList &opgeslagen, const QString &naam);
// The same in the program's Data folder.
std::optional<QString> BestaandeLijst(const Programma &programma, const QString &naam);

// The month a list is named after: a year and a month name in either order and in any case, as
// "2026 Maart" (as "Nieuw Geldlog" names it) or "maart 2026". Invalid for any other name.
QDate MaandVanLijst(const QString &naam);

// The list for the month `maand` (any day of it) among `opgeslagen`: the saved list named after it,
// or else the name of a new one in the household's own form, as its latest saved month is named
// ("Juli 2026" beside "Juni 2026", "2026 Juli" beside "2026 Juni"), or as "Nieuw Geldlog" names
// one where there is none ("2026 Juli").
QString MaandLijstNaam(QDate maand, const QStringList &opgeslagen);
