#pragma once

// A year of one household's money, made up but as untidy as a real one: its bank's monthly
// exports in ING's CSV layout, the months it kept by hand in its own words (now and then in small
// letters or with a typo), and what is true of it, for whoever measures Geldlog against it: the
// word the household means for each transaction, its contracts with their changes and ends, and
// the series that look like contracts and are none.

#include "common/ItemModel.h"
#include "recurring/Contract.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <array>
#include <vector>

struct HuishoudMaand {
    QByteArray afschrift; // the month's ING export, the newest transaction first, as ING writes
    // Per transaction of the export, in the order of its lines (the reader gives them in date
    // order; a transaction's place here is its BankPost::regel - 2): the word the household means
    // for it (as it writes it most; it may have typed it otherwise in the list), whether it
    // stands in this month's list (typed, or exported from the fixed costs), and the contract it
    // pays (an index into HuishoudJaar::contracten; -1 for none).
    std::vector<QString> woorden;
    std::vector<bool> inLijst;
    std::vector<int> contracten;
    // The month as the household typed it: most transactions, on the day it paid them (up to
    // three days before the bank booked them), under its own word; the fixed costs exported on
    // the first, at the amounts the fixed costs hold; a few cash payments of its own. Some
    // transactions it never typed.
    ItemRijen lijst;
};

// One of the household's contracts, as a finder of contracts should report it from the year.
struct HuishoudContract {
    QString naam; // the counterparty as the bank writes it
    QString rekening; // its account; empty where the bank gives none (its own costs)
    QString woord; // the household's word for it
    Elke elke = Elke::Maand;
    qint64 centen = 0; // its amount at the start of the year: received positive, paid negative
    bool wisselend = false; // the amount differs from one period to the next (a phone bill)
    int betalingen = 0; // how often it was paid in the year
    QDate eerste; // its first payment of the year, as booked
    QDate laatste; // its last
    // A change of its amount that held: the first payment of the new amount, and that amount.
    // Invalid and 0 when the amount stayed (or varies).
    QDate gewijzigd;
    qint64 nieuweCenten = 0;
    // Its last payment when it stopped within the year (a course that ended); invalid while it
    // runs.
    QDate gestopt;
};

// A series of payments that looks like a contract and is none.
struct HuishoudLijkend {
    QString naam; // the counterparty as the bank writes it (one of them, for a chain)
    QString woord; // the household's word for it
    QString wat; // what it is: "wekelijkse boodschappen", "Tikkies van vrienden", …
};

struct HuishoudJaar {
    std::array<HuishoudMaand, 12> maanden;
    ItemRijen vasteLasten; // as the fixed-costs window keeps them, dated "-"; not kept up when a
                           // contract's amount changed
    std::vector<HuishoudContract> contracten;
    std::vector<HuishoudLijkend> lijkend;
};

// The same year for the same seed, about 1,500 transactions. Contracts: the rent, raised in July;
// energy, its instalment changed after the yearly settlement in April (a refund or a charge of
// its own); water; the health insurance, with bills of the excess in autumn; the internet,
// raised in July; a phone bill and public transport that vary; two streaming services; the
// insurances; child care; swimming lessons that stop after June; the municipal taxes in ten
// terms from March and a parking permit every half year; the road tax and the child benefit every
// quarter; the gym every four weeks; pocket money; the bank's costs; savings each month beside
// savings now and then; two salaries, each with holiday pay in May, one raised in July, the other
// with a year-end bonus; the care allowance. Beside them: groceries at chains of many stores, a
// bakery every week, cash from a dozen machines, a web shop for two things, Tikkies both ways
// from friends whose names recur elsewhere, a babysitter paid now once and now three times a
// month, a school and a landlord that are both a "Stichting", shops met once, holidays in Belgium
// and France, refunds, the tax office both ways.
HuishoudJaar MaakHuishoudJaar(int jaar, quint32 zaad);
