#pragma once

#include <QString>

#include <vector>

class QIODevice;
struct JaarTabel;

// The rows `rijen` of the table (by their index) and their total as CSV, as `exporteer` writes a
// list: the head "Omschrijving;jan;…;dec;Totaal", a line per description, the cells of months
// without entries empty, and the row "Totaal" last. False, with the reason in Dutch, when
// writing failed.
bool SchrijfJaarCsv(
    QIODevice &uit, const JaarTabel &tabel, const std::vector<int> &rijen, QString *fout);
