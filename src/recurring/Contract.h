#pragma once

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

// A contract or other recurring payment, found in what the household already has: the same
// counterparty (or, kept by hand, the same description), in one direction, at a regular interval.

enum class Elke { Maand, VierWeken, Kwartaal, HalfJaar, Jaar };

// "maand", "4 weken", "kwartaal", "half jaar", "jaar"
QString ElkeTekst(Elke elke);

// The amount changed, and the new amount held at least twice.
struct Wijziging {
    qint64 oud = 0; // cents, signed as the contract's amount
    qint64 nieuw = 0;
    QDate sinds; // the first payment of the new amount
    QDate bekend; // the payment that made it hold: from then on it is told
};

struct Contract {
    QString omschrijving; // the household's word; the bank's name where there is none
    QString tegenpartij; // the counterparty's name; empty when found from hand-kept entries only
    Elke elke = Elke::Maand;
    qint64 bedrag = 0; // the usual amount in cents: received positive, paid negative
                       // (when wisselend: the average of the last six)
    bool wisselend = false;
    std::optional<Wijziging> wijziging;
    QDate sinds; // first payment of the series
    QDate laatst; // last payment up to the reckoning day
    QDate volgende; // next expected payment; invalid when gestopt
    bool gestopt = false;
    int aantal = 0; // the payments it rests on
    int dag = 0; // the day of the month it is mostly paid on (for "rond de 1e")
};

// The dates on which a running contract is expected after `na`, up to and including `totEnMet`
// (several for a 4-weekly contract in a long span; none for a stopped one). A payment that is late
// but not yet missed is still to come: it is expected on the day after `na`.
std::vector<QDate> VerwachteDatums(const Contract &contract, QDate na, QDate totEnMet);

// The date `keer` intervals after `anker` (before it when negative). Months are counted from the
// anchor itself, so a day that a month lacks (the 31st) comes back in the months that have it.
QDate DatumNa(Elke elke, QDate anker, int keer);

// The amount per month of a contract's usual amount: a 4-weekly one 13 times a year, a quarterly
// one a third, rounded half away from zero to whole cents.
qint64 MaandBedrag(const Contract &contract);

// What the running contracts of one direction come to per month, in whole cents (paid negative).
qint64 MaandTotaal(const std::vector<Contract> &contracten, bool inkomsten);
