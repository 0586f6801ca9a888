#pragma once

#include <QString>
#include <QStringView>

// Amount texts. Every cell of the entry table is text; these are the one place where such a
// text becomes a number and a number becomes the text "###0.00" with a decimal comma.

// The numeric value of an amount text: every "," read as ".", leading blanks skipped, then the
// longest leading decimal number (optional sign, digits, one point, digits). 0 when the text
// does not begin with a number, or when that number is not an amount at all: a thousand billion
// or more, where a double no longer holds the cents and any total of them could overflow.
double BedragWaarde(QStringView tekst);

// The amount an amount text counts for: its value (BedragWaarde) rounded half away from zero to
// whole cents, as BedragTekst shows it. Totals are sums of these.
qint64 BedragCenten(QStringView tekst);

// Whole cents as "###0.00": 123456 gives "1234,56", -5 gives "-0,05".
QString CentenTekst(qint64 centen);

// A value as "###0.00": no grouping, decimal comma, rounded half away from zero on its decimal
// form of at most fifteen significant digits (2.675 gives 2,68; the sum 4.859 + 4.736 gives 9,60),
// never "-0,00".
QString BedragTekst(double waarde);

// A typed amount is a number with blanks around it allowed: an optional sign and digits with one
// decimal point or comma (45.00, 12,5), or dots grouping the thousands before a decimal comma
// (1.234,56). The reason a typed amount is refused, or "" when it is such a number: not a
// number, "1.000" (thousands or decimals?), or ten thousand billion or more, whose cents a total
// could not keep.
QString BedragFout(const QString &invoer);

// The form stored when an entry is added: a typed number is rounded to "###0.00"; anything else
// is kept with every "." turned into ",".
QString BedragOpgemaakt(const QString &invoer);

// The form stored when an entry is changed: the thousands dots of a grouped number are dropped,
// any other "." becomes ",", nothing else.
QString BedragOngeformatteerd(const QString &invoer);

// a + b in whole cents, held at the largest or smallest number a qint64 holds instead of
// overflowing: sums of many huge amounts stay absurdly large, never wrap around.
qint64 CentenSom(qint64 a, qint64 b);
// a - b in whole cents, held in the same way.
qint64 CentenVerschil(qint64 a, qint64 b);
