#pragma once

#include <QString>

class ItemModel;
class Programma;

// The fixed costs survive a restart in Data/Vastelasten.vls: the layout of a list file, every
// row dated "-". An empty file stands for an empty table.

QString VasteLastenPad(const Programma &programma);

// Replaces the rows with the fixed costs of the file; a missing or unreadable file leaves the
// table empty, a file cut off inside a group gives the complete groups before it.
void LaadVasteLasten(const Programma &programma, ItemModel &vasteLasten);

// Writes all rows, replacing the file only once the new content is completely written. On
// failure the old file is untouched and `fout` says why, in Dutch.
bool SaveVasteLasten(const Programma &programma, const ItemModel &vasteLasten, QString *fout);
