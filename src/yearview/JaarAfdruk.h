#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

class Printer;
struct JaarRij;
struct JaarTabel;

// What the year overview puts on paper: the table as the window shows it and the chart of the
// row chosen, or of the total.
struct JaarAfdruk {
    QString titel; // "Jaaroverzicht 2026", with the search text when there is one
    QDateTime moment; // when the printing started
    const JaarTabel *tabel = nullptr;
    std::vector<int> rijen; // the rows shown, by their index in the table
    QStringList nietMeegeteld; // what does not count, under the table
    QString grafiekTitel;
    const JaarRij *grafiek = nullptr;
};

// The whole overview as one job: the title line, the table with its heads on every page and the
// row "Totaal", then the chart, on a page of its own when it no longer fits. The table's font
// gets smaller until its columns fit on the paper; a description too wide is cut short with "…".
bool PrintJaar(Printer &printer, const JaarAfdruk &afdruk, QString *fout);
