#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

// The one form of a date in Geldlog's files: "JJJJ-MM-DD", as an entry, a learned transaction and
// the commands' options write it. One reader and one writer, so a list, the learning file and a
// search agree on which dates can be read.

// A date as read: a year from 1 to 9999, a month of 01 to 12 and a day of 1 to 31. The day is not
// checked against the month: 2026-02-31 still tells the month it was meant for; Dag() makes a
// calendar day of it, or an invalid date.
struct IsoDatum {
    int jaar = 0;
    int maand = 0;
    int dag = 0;

    QDate Dag() const { return QDate(jaar, maand, dag); }
    friend auto operator<=>(const IsoDatum &, const IsoDatum &) = default;
};

// "JJJJ-MM-DD", blanks around it allowed, the day of one digit or two (a hand-edited file may have
// "2026-03-1"); nothing for any other text. Asked of every entry of every list, so it reads the
// digits at their places. The bytes of a date are the same in every code page, so a file's line is
// read before it is decoded.
std::optional<IsoDatum> LeesIsoDatum(QByteArrayView tekst);
std::optional<IsoDatum> LeesIsoDatum(QStringView tekst);

// The calendar day of such a text, or an invalid date.
QDate IsoDag(QStringView tekst);

// "2026-03-12": ten characters at `uit`, which has room for them; returns the end. A year outside
// 1 to 9999 is no date of Geldlog's and is not written (returns `uit`).
char *SchrijfIsoDatum(char *uit, QDate datum);
// The same as a text; empty for a year outside 1 to 9999.
QString IsoDatumTekst(QDate datum);
