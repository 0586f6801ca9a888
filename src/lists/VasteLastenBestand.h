#pragma once

#include "common/ItemModel.h"

#include <QString>

class Programma;

// The fixed costs survive a restart in Data/Vastelasten.vls: the layout of a list file, every
// row dated "-". An empty file stands for an empty table.

QString VasteLastenPad(const Programma &programma);

// The fixed costs of the file, each dated "-"; none when the file is missing or unreadable, the
// complete groups before the cut when it is cut off inside a group.
ItemRijen LeesVasteLasten(const Programma &programma);

// Replaces the rows with those of LeesVasteLasten.
void LaadVasteLasten(const Programma &programma, ItemModel &vasteLasten);

// Writes all rows, replacing the file only once the new content is completely written. On
// failure the old file is untouched and `fout` says why, in Dutch.
bool SaveVasteLasten(const Programma &programma, const ItemModel &vasteLasten, QString *fout);
