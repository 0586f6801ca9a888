#pragma once

#include "bank/Bankafschrift.h"
#include "common/ItemModel.h"

#include <vector>

// Transactions as entries of a list.

// The entry a transaction becomes: its booking date as "YYYY-MM-DD"; the counterparty's name,
// " - " and the description (one line, runs of white space one blank, at most 100 characters,
// a character the list file cannot hold as "?"), or the description alone; the amount as the
// program writes it ("1234,56") under Inkomsten when received, under Uitgaven when paid, the
// other cell empty.
Item AlsItem(const BankPost &post);

// For each of `nieuw`, whether `lijst` already holds it: an entry with the same date,
// description and amount in cents. Counted as a multiset: an entry of the list answers for one
// of `nieuw` only, so two equal transactions against one equal entry leave one of them new.
// Linear in the sizes of both.
std::vector<bool> StaanAlInLijst(const ItemRijen &lijst, const std::vector<Item> &nieuw);
