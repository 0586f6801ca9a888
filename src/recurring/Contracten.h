#pragma once

#include "recurring/Contract.h"
#include "recurring/Reeksen.h"

#include <QDate>
#include <QStringList>

#include <vector>

class Geleerd;
class Programma;
struct Posten;

// Every contract found as of `op` (entries and learned rows after `op` are not looked at), from the
// learning file (read only, never written or moved) and from every list in the Data folder.
// `meldingen` gets the Dutch messages of files that could not be used (shown once by the caller):
// the learning file's, and what of the lists does not count (NietMeegeteld).
std::vector<Contract> VindContracten(const Programma &programma, QDate op, QStringList *meldingen);

// The same from what was read already.
std::vector<Contract> VindContracten(const Geleerd &geleerd, const Posten &posten, QDate op);

// The payments the contracts are found in: every learned bank transaction, keyed by its
// counterparty's account, else its name as matching knows it (Tegenpartij), and for a payment
// service by what was paid through it; and the entries of the lists of the days kept by hand,
// without the bank's statements. Such an entry is keyed by its description, or by the
// counterparty that (nearly) alone has that description as its word, so a contract kept by hand
// before the bank's statements were read goes on in them.
std::vector<Betaling> Betalingen(const Geleerd &geleerd, const Posten &posten, QDate op);
