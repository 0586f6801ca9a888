#pragma once

#include "bank/Bankafschrift.h"
#include "common/ItemModel.h"

#include <QStringView>

// Transactions as entries of a list.

// The entry a transaction becomes: its booking date as "YYYY-MM-DD"; the counterparty's name,
// " - " and the description, or the description alone, as LijstOmschrijving makes it; the amount as
// the program writes it ("1234,56") under Inkomsten when received, under Uitgaven when paid, the
// other cell empty.
Item AlsItem(const BankPost &post);
// The same entry under the household's own description, in the same form.
Item AlsItem(const BankPost &post, QStringView omschrijving);

// A description as a list holds it: one line, control characters and runs of white space one
// blank, at most 100 characters, a character the list file cannot hold as "?".
QString LijstOmschrijving(QStringView tekst);
