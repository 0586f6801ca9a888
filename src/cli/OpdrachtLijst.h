#pragma once

#include "common/ItemModel.h"

#include <QString>

#include <optional>

class Programma;

// A list as a command reads it: whole or not at all, since the command may write it back.
struct OpdrachtLijst {
    // As the save dialog takes it, without the blanks around it; the saved list's own name when
    // it differs from one only in capitals or blanks.
    QString naam;
    ItemRijen rijen; // every group of the file, the fixed costs' "-" groups too
    bool bestaat = false; // false: there is no file of that name yet
};

// The list `naam` of the program; nothing when the save dialog would refuse the name, with its
// message in `fout`, or when the file cannot be read completely, with the reason ending in
// `gevolg` ("er is niets toegevoegd").
std::optional<OpdrachtLijst> LeesOpdrachtLijst(
    const Programma &programma, const QString &naam, const QString &gevolg, QString *fout);
