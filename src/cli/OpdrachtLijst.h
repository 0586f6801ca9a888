#pragma once

#include "common/ItemModel.h"

#include <QString>

#include <optional>

class Programma;

// A list as a command reads it: whole or not at all, since the command may write it back.
struct OpdrachtLijst {
    ItemRijen rijen; // every group of the file, the fixed costs' "-" groups too
    bool bestaat = false; // false: there is no file of that name yet
};

// The list `naam` of the program; nothing when the save dialog would refuse the name or the file
// cannot be read completely, with the reason in `fout`, ending in `gevolg` ("er is niets
// toegevoegd").
std::optional<OpdrachtLijst> LeesOpdrachtLijst(
    const Programma &programma, const QString &naam, const QString &gevolg, QString *fout);
