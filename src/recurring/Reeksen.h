#pragma once

#include "recurring/Contract.h"

#include <QDate>
#include <QString>

#include <vector>

// One payment as the search for series sees it: a learned bank transaction, or an entry the
// household kept by hand.
struct Betaling {
    QString sleutel; // who it went to or came from: its account, its name, or a description
    QString naam; // the bank's name of the counterparty; empty for an entry kept by hand
    QDate datum;
    qint64 centen = 0; // received positive, paid negative
    QString woord; // the household's word for it; may be empty
};

// The series among `betalingen` as of `op` (later payments are not looked at): at least three
// payments in one direction with one sleutel at a regular interval (two a year apart when their
// amounts are the same), however many other payments that sleutel has. Shops visited weekly,
// payments at no fixed rhythm and series that ended more than a year before `op` are left out.
// Incomes first, then costs, each the largest first.
std::vector<Contract> VindReeksen(std::vector<Betaling> betalingen, QDate op);
