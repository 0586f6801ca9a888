#include "printing/Bladspiegel.h"

#include "platform/Printer.h"
#include "printing/Passend.h"

#include <QDateTime>

using namespace Bladspiegel;

void PrintOp(Printer &printer, int x, int y, const QString &tekst)
{
    printer.SetCurrentX(x);
    printer.SetCurrentY(y);
    printer.Print(tekst);
}

void PrintTitel(
    Printer &printer, const QString &titel, const QDateTime &moment, std::optional<int> tijdX)
{
    printer.SetFontName(QStringLiteral("Arial"));
    printer.SetFontBold(true);
    printer.SetFontSize(11);
    printer.SetForeColor(TitelKleur);
    const QString tijd = moment.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral(" / ")
        + moment.toString(QStringLiteral("dd-MM-yyyy"));
    const int x = tijdX.value_or(Rechts - printer.TextWidth(tijd));
    PrintOp(printer, Kantlijn, TitelY, Passend(printer, titel, x - Tussenruimte - Kantlijn));
    PrintOp(printer, x, TitelY, tijd);
    printer.SetForeColor(TekstKleur);
}
