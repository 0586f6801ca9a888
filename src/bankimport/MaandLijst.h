#pragma once

#include <QDate>
#include <QString>

struct Bankafschrift;

// Lists named after a month, which a statement's transactions go to.

// The month a list is named after: a year and a month name in either order and in any case, as
// "2026 Maart" (as "Nieuw Geldlog" names it) or "maart 2026". Invalid for any other name.
QDate MaandVanLijst(const QString &naam);

// The month most of the statement's transactions were booked in; of two with as many, the later
// one. Invalid without transactions.
QDate MeesteMaand(const Bankafschrift &afschrift);

// The name of a new list of that month, as "Nieuw Geldlog" gives it: "2026 Maart".
QString MaandLijstNaam(QDate maand);
