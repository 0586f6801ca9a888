#pragma once

#include <QDate>

// A day as the search for series counts it: days since 1 January 1970 in the Gregorian calendar,
// with its year, month and day at hand. Years of payments ask for the day of the month and the
// day a month later millions of times; QDate works those out anew each time.
struct Dag {
    qint64 nummer = 0;
    int jaar = 1970;
    int maand = 1;
    int dag = 1;

    static Dag Van(QDate datum);
    static Dag Van(int jaar, int maand, int dag);
    static Dag OpNummer(qint64 nummer);
    QDate Datum() const;
};

int DagenInMaand(int jaar, int maand);

// `keer` months after `anker` (before it when negative), on the anchor's day or the month's last.
Dag MaandenNa(const Dag &anker, int keer);
