#include "printing/LijstAfdruk.h"

#include "common/ItemModel.h"
#include "platform/Printer.h"
#include "printing/Bladspiegel.h"
#include "printing/Passend.h"

namespace {

using namespace Bladspiegel;

// Where the list stands on the page, in twips from the top left of the printable area.
constexpr int OmschrijvingX = 1800;
constexpr int InkomstenKopX = 8040;
constexpr int UitgavenKopX = 9990;
constexpr int InkomstenRechts = 9000;
constexpr int UitgavenRechts = Rechts;
constexpr int TijdX = 8790;
constexpr int KopLijnOnder = 210;
constexpr int EersteRegel = 1500;
constexpr int EersteRegelVolgendePagina = 1200;
constexpr int Regelhoogte = 270;

QString Lijn()
{
    return QString(160, u'-');
}

// An amount that ends at `rechts`. Every amount text that is not empty is printed: a
// one-character amount such as 7 counts in the totals, so it must stand on paper too.
void PrintBedrag(Printer &printer, int rechts, int y, const QString &bedrag, const Liniaal &breedte)
{
    if (!bedrag.isEmpty())
        PrintOp(printer, rechts - breedte(bedrag), y, bedrag);
}

} // namespace

void PrintKop(Printer &printer, int y, bool inkomsten, bool uitgaven)
{
    printer.SetFontBold(true);
    PrintOp(printer, Kantlijn, y, QStringLiteral("Datum"));
    PrintOp(printer, OmschrijvingX, y, QStringLiteral("Omschrijving"));
    if (inkomsten)
        PrintOp(printer, InkomstenKopX, y, QStringLiteral("Inkomsten"));
    if (uitgaven)
        PrintOp(printer, UitgavenKopX, y, QStringLiteral("Uitgaven"));
    PrintOp(printer, Kantlijn, y + KopLijnOnder, Lijn());
}

bool PrintLijst(Printer &printer, const LijstAfdruk &afdruk, const Liniaal &breedte, QString *fout)
{
    PrintTitel(printer, afdruk.lijstNaam, afdruk.moment, TijdX);
    printer.SetFontSize(10);
    PrintKop(printer, KopEerstePagina, afdruk.inkomsten, afdruk.uitgaven);
    printer.SetFontBold(false);

    // A description stops before the first amount column on paper, or else before the right
    // edge of the page.
    const int omschrijvingTot = afdruk.inkomsten ? InkomstenKopX
        : afdruk.uitgaven                        ? UitgavenKopX
                                                 : UitgavenRechts;
    const int omschrijvingRuimte = omschrijvingTot - Tussenruimte - OmschrijvingX;

    int regel = EersteRegel;
    const int aantal = afdruk.items ? afdruk.items->Aantal() : 0;
    for (int rij = 0; rij < aantal; ++rij) {
        const auto cel = [&](int kolom) { return afdruk.items->Cel(rij, kolom).toString(); };
        PrintOp(printer, Kantlijn, regel, cel(ItemModel::Datum));
        PrintOp(printer, OmschrijvingX, regel,
            Passend(printer, cel(ItemModel::Omschrijving), omschrijvingRuimte));
        if (afdruk.inkomsten)
            PrintBedrag(printer, InkomstenRechts, regel, cel(ItemModel::Inkomsten), breedte);
        if (afdruk.uitgaven)
            PrintBedrag(printer, UitgavenRechts, regel, cel(ItemModel::Uitgaven), breedte);
        regel += Regelhoogte;
        // A page that is full gets its successor at once, even after the last entry: the
        // closing rule and the totals then stand alone under the heads of a new page.
        if (regel > LaatsteRegel) {
            printer.NewPage();
            PrintKop(printer, KopVolgendePagina, afdruk.inkomsten, afdruk.uitgaven);
            printer.SetFontBold(false);
            regel = EersteRegelVolgendePagina;
        }
    }

    PrintOp(printer, Kantlijn, regel, Lijn());
    // The totals stand in full whichever columns are printed.
    const int totalen = regel + Regelhoogte;
    PrintOp(printer, Kantlijn, totalen, afdruk.saldoRegel);
    PrintBedrag(printer, InkomstenRechts, totalen, afdruk.inkomstenTotaal, breedte);
    PrintBedrag(printer, UitgavenRechts, totalen, afdruk.uitgavenTotaal, breedte);

    return printer.EndDoc(fout);
}
