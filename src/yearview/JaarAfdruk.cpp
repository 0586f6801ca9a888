#include "yearview/JaarAfdruk.h"

#include "platform/Printer.h"
#include "printing/Bladspiegel.h"
#include "printing/Passend.h"
#include "reports/Grafiek.h"
#include "reports/JaarTabel.h"

#include <QPainter>

#include <algorithm>

namespace {

using namespace Bladspiegel;

// How high the chart stands on paper, in twips.
constexpr int GrafiekHoogte = 4200;
// The chart's surface: a twip of paper is a fifteenth of its unit, a pixel as on screen.
constexpr double GrafiekSchaal = 15.0;
constexpr double GrootsteLetter = 8.0;
constexpr double KleinsteLetter = 5.5;
// The least room a description keeps before the letters get smaller.
constexpr int OmschrijvingRuimte = 2000;

constexpr QColor Rood(170, 0, 0);
constexpr QColor Grijs(110, 110, 110);

void Streep(Printer &printer, int y)
{
    printer.SetCurrentX(Kantlijn);
    printer.SetCurrentY(y);
    printer.Draw(Rechts - Kantlijn, 15, QSizeF(1, 1),
        [](QPainter &painter) { painter.fillRect(QRectF(0, 0, 1, 1), TekstKleur); });
}

// Where the columns of amounts end, from the first month to the total.
struct Kolommen {
    int omschrijving = 0; // the room of the descriptions
    std::array<int, 13> rechts {};
};

// The lines of the table as printed, each its description and cells: the rows shown, then their
// total. None for a year without entries.
std::vector<QStringList> Regels(const JaarAfdruk &afdruk)
{
    std::vector<QStringList> regels;
    if (!afdruk.tabel || afdruk.tabel->rijen.empty())
        return regels;
    for (const int rij : afdruk.rijen) {
        const JaarRij &r = afdruk.tabel->rijen[rij];
        regels.push_back(Cellen(r.omschrijving, r));
    }
    const JaarRij totaal = Totaal(*afdruk.tabel, afdruk.rijen);
    regels.push_back(Cellen(totaal.omschrijving, totaal));
    return regels;
}

// The columns in the printer's current font, each as wide as its widest text in bold.
Kolommen MeetKolommen(Printer &printer, const std::vector<QStringList> &regels)
{
    printer.SetFontBold(true);
    int maand = 0;
    int totaal = 0;
    const auto meet = [&](const QStringList &regel) {
        for (int kolom = 1; kolom <= 12; ++kolom)
            maand = std::max(maand, printer.TextWidth(regel[kolom]));
        totaal = std::max(totaal, printer.TextWidth(regel[13]));
    };
    meet(Koppen());
    for (const QStringList &regel : regels)
        meet(regel);
    printer.SetFontBold(false);

    Kolommen kolommen;
    int x = Rechts;
    kolommen.rechts[12] = x;
    x -= totaal + Tussenruimte;
    for (int m = 11; m >= 0; --m) {
        kolommen.rechts[m] = x;
        x -= maand + Tussenruimte;
    }
    kolommen.omschrijving = x - Kantlijn;
    return kolommen;
}

void PrintRegel(Printer &printer, const Kolommen &kolommen, int y, const QStringList &regel)
{
    printer.SetForeColor(TekstKleur);
    PrintOp(printer, Kantlijn, y, Passend(printer, regel[0], kolommen.omschrijving));
    for (int kolom = 1; kolom <= 13; ++kolom) {
        // A balance below zero is red, as in the window.
        printer.SetForeColor(regel[kolom].startsWith(u'-') ? Rood : TekstKleur);
        PrintOp(
            printer, kolommen.rechts[kolom - 1] - printer.TextWidth(regel[kolom]), y, regel[kolom]);
    }
    printer.SetForeColor(TekstKleur);
}

void PrintKop(Printer &printer, const Kolommen &kolommen, int y, int regelHoogte)
{
    printer.SetFontBold(true);
    PrintRegel(printer, kolommen, y, Koppen());
    printer.SetFontBold(false);
    Streep(printer, y + regelHoogte);
}

} // namespace

bool PrintJaar(Printer &printer, const JaarAfdruk &afdruk, QString *fout)
{
    PrintTitel(printer, afdruk.titel, afdruk.moment);
    printer.SetFontBold(false);

    const std::vector<QStringList> regels = Regels(afdruk);

    int y = KopEerstePagina;
    if (!regels.empty()) {
        double letter = GrootsteLetter;
        printer.SetFontSize(letter);
        Kolommen kolommen = MeetKolommen(printer, regels);
        while (kolommen.omschrijving < OmschrijvingRuimte && letter > KleinsteLetter) {
            letter -= 0.5;
            printer.SetFontSize(letter);
            kolommen = MeetKolommen(printer, regels);
        }
        const int regelHoogte = static_cast<int>(letter * 20 * 1.4);

        PrintKop(printer, kolommen, y, regelHoogte);
        y += regelHoogte + 60;
        for (std::size_t i = 0; i < regels.size(); ++i) {
            const bool laatste = i + 1 == regels.size();
            if (laatste) {
                Streep(printer, y);
                y += 60;
                printer.SetFontBold(true);
            }
            PrintRegel(printer, kolommen, y, regels[i]);
            y += regelHoogte;
            // A full page gets its successor with the heads again, as long as rows follow.
            if (!laatste && y + regelHoogte > LaatsteRegel) {
                printer.NewPage();
                y = KopVolgendePagina;
                PrintKop(printer, kolommen, y, regelHoogte);
                y += regelHoogte + 60;
            }
        }
        printer.SetFontBold(false);
    }

    printer.SetFontSize(8);
    printer.SetForeColor(Grijs);
    for (const QString &zin : afdruk.nietMeegeteld) {
        y += 60;
        PrintOp(printer, Kantlijn, y, Passend(printer, zin, Rechts - Kantlijn));
        y += 200;
    }
    printer.SetForeColor(TekstKleur);

    if (afdruk.grafiek) {
        y += 300;
        if (y + GrafiekHoogte > LaatsteRegel) {
            printer.NewPage();
            y = TitelY;
        }
        const QSizeF maat((Rechts - Kantlijn) / GrafiekSchaal, GrafiekHoogte / GrafiekSchaal);
        printer.SetCurrentX(Kantlijn);
        printer.SetCurrentY(y);
        printer.Draw(Rechts - Kantlijn, GrafiekHoogte, maat, [&](QPainter &painter) {
            TekenGrafiek(
                painter, QRectF(QPointF(0, 0), maat), afdruk.grafiekTitel, *afdruk.grafiek);
        });
    }
    return printer.EndDoc(fout);
}
