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

// The form stored when an entry is added: "." becomes ","; a number (blanks around it, an
// optional sign, digits with at most one comma) is rounded to "###0.00"; anything else is kept
// as it then stands.
QString BedragOpgemaakt(const QString &invoer);

// The form stored when an entry is changed: "." becomes ",", nothing else.
QString BedragOngeformatteerd(const QString &invoer);

// a + b in whole cents, held at the largest or smallest number a qint64 holds instead of
// overflowing: sums of many huge amounts stay absurdly large, never wrap around.
qint64 CentenSom(qint64 a, qint64 b);
