#pragma once

#include "bank/Bankafschrift.h"
#include "common/ItemModel.h"

#include <optional>
#include <span>
#include <vector>

class Voorsteller;

// Which transactions of a statement a list already holds, also where the household kept the
// month by hand, in its own words.

// How many days a household's date of a transaction may lie before or after the bank's booking:
// it types the day it paid, and the bank books it a day or two later.
inline constexpr int DagenRondBoeking = 3;

// The entry of the list a transaction stands as.
struct LijstTreffer {
    int rij = 0; // its row in the list
    QString omschrijving;
    QString datum; // its date text, as the list holds it
    // The transaction's amount and the entry's, received positive: they differ where a fixed
    // cost's entry answers for a transaction of another amount (a rent raised by the bank).
    qint64 bankCenten = 0;
    qint64 lijstCenten = 0;

    friend bool operator==(const LijstTreffer &, const LijstTreffer &) = default;
};

// For each of `posten`, the entry of `lijst` that holds it, or nothing when it is new. In turn:
// the entry known as its record from what was learned (BekendePosten), while an entry known as
// another transaction's takes no part in the days around it; an entry of the same date, amount and
// text as the transaction becomes (AlsItem); an entry of the same direction and amount at most
// DagenRondBoeking away, the nearest first, one under a word its counterparty is known by
// (`geleerd`) before any other; and an entry of a fixed cost's description in the same month, as
// the fixed costs are exported on any day, of the fixed cost's direction: for a transaction whose
// counterparty is known by that description, whatever its amount; for one whose counterparty is
// known by no word, when its amount and direction are the fixed cost's. Entries go to the
// transactions of their own amounts first, over the whole month, so a bill of another amount booked
// before the premium never takes its entry. A fixed cost that a list named after a month holds
// dated "-" stands in that month, `lijstMaand` (any day of it). An entry answers for one
// transaction only. Near-linear in the sizes of both, however many entries are alike.
std::vector<std::optional<LijstTreffer>> ZoekInLijst(std::span<const BankPost> posten,
    const ItemRijen &lijst, const ItemRijen &vasteLasten = {}, const Voorsteller *geleerd = nullptr,
    QDate lijstMaand = {});
