#pragma once

#include "common/ItemModel.h"

class Programma;

// The fixed costs as the fixed-costs window keeps them in Data/Vastelasten.vls, each dated "-";
// none when the file is missing or unreadable.
ItemRijen VasteLastenVan(const Programma &programma);
