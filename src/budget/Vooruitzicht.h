#pragma once

#include "recurring/Contract.h"

#include <QDate>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

class Programma;
struct Posten;

// A payment of a contract still to come.
struct VerwachteBetaling {
    QString omschrijving; // the household's word, else the bank's name
    qint64 bedrag = 0; // in cents: received positive, paid negative
    QDate datum;

    friend bool operator==(const VerwachteBetaling &, const VerwachteBetaling &) = default;
};

// What the household's contracts tell the budget: which descriptions go with a running contract,
// and which payments are still to come.
class Vooruitzicht {
public:
    // No contracts at all.
    Vooruitzicht() = default;
    // The contracts as of `op`, found in the learning file of the program's Data folder and the
    // entries of its lists, `posten`, read already; `meldingen` gets the Dutch message of a
    // learning file that could not be used.
    Vooruitzicht(
        const Programma &programma, const Posten &posten, QDate op, QStringList *meldingen);
    explicit Vooruitzicht(std::vector<Contract> contracten);

    // The payments the running contracts are still expected to make in the month that begins on
    // `eersteDag`, after the reckoning day `op`, by date. A payment late on `op` comes the day
    // after; one expected before the month is not expected in it too. An entry of the month up to
    // `op` under a contract's description, in its direction and within a quarter of its amount,
    // beyond the contract's own payments there, has made one of them already: the fixed costs
    // exported on the first, the salary typed before the bank paid it.
    std::vector<VerwachteBetaling> Verwacht(const Posten &posten, QDate eersteDag, QDate op) const;
    // Whether the description, case and blanks aside, is that of a running contract.
    bool IsLopend(QStringView omschrijving) const;

private:
    std::vector<Contract> m_contracten; // those still running
    QSet<QString> m_lopend; // their descriptions, by OmschrijvingSleutel
};
