#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

// Dates and amounts as the banks write them, read strictly: a text that is not wholly a date or
// an amount is refused, never guessed at.

// A date in the form `vorm`, where J, M and D stand for the digits of the year, month and day
// and anything else for itself: "JJJJMMDD", "DD-MM-JJJJ", "JJMMDD" (a year of two digits is in
// this century). Blanks around it are skipped.
std::optional<QDate> LeesDatum(QStringView tekst, QStringView vorm);

// An amount in whole cents, straight from its digits: an optional sign, digits, then `decimaal`
// and at most two digits. The other of "," and "." may group the whole part by thousands.
// Blanks around it are skipped; at most fifteen digits before the decimal separator.
std::optional<qint64> LeesCenten(QStringView tekst, QChar decimaal);

// The same, the decimal separator the last "," or "." when the text has one: for exports that
// write "1,95" or "1.95" depending on the language of the bank's site.
std::optional<qint64> LeesCentenKommaOfPunt(QStringView tekst);

// The reasons a row is left out.
QString DatumOnleesbaar(QStringView tekst);
QString BedragOnleesbaar(QStringView tekst);

// An unsigned amount with the column that says which way it went: "Af", "Debit", "Debet" or "D"
// paid (negative), "Bij", "Credit" or "C" received. When either cannot be read: nothing, and
// `onleesbaar` the text a reason quotes (the amount, or the direction and the amount).
std::optional<qint64> MetRichting(
    std::optional<qint64> centen, QStringView bedrag, QStringView richting, QString &onleesbaar);
