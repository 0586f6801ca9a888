#pragma once

#include "bank/Bankafschrift.h"
#include "common/ItemModel.h"
#include "matching/InLijst.h"

#include <QString>

#include <optional>
#include <span>
#include <vector>

class Programma;

// Which transactions of a statement the household holds already, whichever list it read them
// into: a statement of 15 July to 15 August read into July, then August's read into August, adds
// the days the two share once.

// Per transaction, the entry that holds it, and in which list.
struct DataMapTreffers {
    std::vector<std::optional<LijstTreffer>> treffers; // as ZoekInLijst gives them
    // The saved list that holds it, when that is not the list the rows go into; else empty.
    std::vector<QString> andereLijsten;
};

// The entries that hold `posten`: those of `lijst` first, by ZoekInLijst with the fixed costs
// `vasteLasten`; then, for each transaction still new, those of every saved list of the Data folder
// that has entries within DagenRondBoeking days of it, by the same rules, in the folder's order.
// The saved list `eigenLijst`, the file `lijst` was read from, is `lijst` itself.
DataMapTreffers ZoekInDataMap(const Programma &programma, std::span<const BankPost> posten,
    const ItemRijen &lijst, const QString &eigenLijst, const ItemRijen &vasteLasten);

// `Staat al in de lijst "2026 Augustus" als "Boodschappen" (2 augustus)`.
QString InAndereLijstUitleg(const LijstTreffer &treffer, const QString &lijst);
