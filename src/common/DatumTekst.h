#pragma once

#include <QString>

// The date of an entry as text: year, "-", two-digit month, "-", day with at least two digits.
// The text itself is not checked against the calendar (a file may hold 2026-02-31); a typed day
// is, with DagFout.

// The month part is empty when `maand` is not a name of the month table (2026--07), and a day
// of one character gets a "0" in front.
QString DatumTekst(const QString &jaar, const QString &maand, const QString &dag);

// Why a typed day is refused: "Dag 45 bestaat niet in december 2026." when `dag` is not one or
// two digits naming a day of that month in that year; "" when it is. A year that is no number
// refuses only what no year has (30 February).
QString DagFout(const QString &jaar, const QString &maand, const QString &dag);

// A date text taken apart again for the inputs. A part that cannot be read stays empty, so the
// input it belongs to keeps its value.
struct DatumDelen {
    QString jaar; // the first four characters
    QString maand; // the month name for characters 6 and 7
    QString dag; // the last two characters as a number, without leading zero
};

DatumDelen LeesDatumTekst(const QString &datum);
