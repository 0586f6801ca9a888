#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

class ItemModel;
class Printer;

// What one print run puts on paper, taken from the main window when the printing starts.
struct LijstAfdruk {
    QString lijstNaam;
    QDateTime moment; // when the printing started, printed in the title line
    const ItemModel *items = nullptr;
    QString saldoRegel; // the balance line of Label8
    QString inkomstenTotaal; // InkLabel
    QString uitgavenTotaal; // UitLabel
    bool inkomsten = true; // the income column on paper
    bool uitgaven = true; // the expense column on paper
};

// The width of an amount text in twips, measured as on screen: amounts are right-aligned by it.
using Liniaal = std::function<int(const QString &tekst)>;

// The column heads at `y` and their rule 210 twips below, in the bold 10 point font it leaves set.
void PrintKop(Printer &printer, int y, bool inkomsten, bool uitgaven);

// The whole list as one job: the title line, heads, a line per entry with new pages as they fill,
// the closing rule and the totals line; then the document is ended. A description or a list name
// too wide for its room on paper is cut short with "…". False, with the reason when
// the printer gives one, when the job failed.
bool PrintLijst(Printer &printer, const LijstAfdruk &afdruk, const Liniaal &breedte, QString *fout);
