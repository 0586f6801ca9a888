#pragma once

#include "common/ItemModel.h"
#include "recurring/Contract.h"

// A contract among the fixed costs of the fixed-costs window.

// The fixed cost a contract becomes: dated "-", under its description, its usual amount in the
// column of its direction as the window stores a typed amount ("1088,38").
Item AlsVasteLast(const Contract &contract);

// The row of `vasteLasten` that is the contract: of the same description, case and surrounding
// blanks aside, and direction; -1 when there is none.
int VasteLastVan(const Contract &contract, const ItemRijen &vasteLasten);

// Whether that fixed cost's amount is the contract's usual amount.
bool ZelfdeBedrag(const Item &vasteLast, const Contract &contract);

// That fixed cost with the contract's usual amount instead of its own.
Item BijgewerkteVasteLast(Item vasteLast, const Contract &contract);
