#pragma once

#include <QDate>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

class Programma;

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
    // The contracts as of `op`, found in the learning file and the lists of the Data folder;
    // `meldingen` gets the Dutch messages of files that could not be used.
    Vooruitzicht(const Programma &programma, QDate op, QStringList *meldingen);

    // The payments the running contracts are expected to make after `na` up to and including
    // `totEnMet`, by date.
    std::vector<VerwachteBetaling> Verwacht(QDate na, QDate totEnMet) const;
    // Whether the description, case and blanks aside, is that of a running contract.
    bool IsLopend(QStringView omschrijving) const;

private:
    QSet<QString> m_lopend; // by OmschrijvingSleutel
};
