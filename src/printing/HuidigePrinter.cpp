#include "printing/HuidigePrinter.h"

#include "common/Programma.h"
#include "platform/BusyCursor.h"
#include "platform/MessageBoxes.h"
#include "platform/Printer.h"
#include "platform/Printers.h"

bool KiesHuidigePrinter(Programma &programma, QWidget *ouder)
{
    const QList<InstalledPrinter> printers = programma.SysteemPrinters().Installed();
    if (printers.isEmpty()) {
        programma.Berichten().tell(
            ouder, QStringLiteral("Er is geen printer geïnstalleerd."), QStringLiteral("Geldlog"));
        return false;
    }
    if (!programma.HuidigePrinter())
        programma.ZetHuidigePrinter(
            programma.SysteemPrinters().SystemDefault().value_or(printers.first()));
    return true;
}

bool DrukAf(
    Programma &programma, QWidget *ouder, const QString &document, const Bladzijden &bladzijden)
{
    const auto mislukt = [&](const QString &reden) {
        programma.Berichten().tell(ouder,
            QStringLiteral("Het afdrukken is mislukt.\n%1").arg(reden), QStringLiteral("Error"),
            MessageBoxes::Icon::Critical);
        return false;
    };
    const std::optional<InstalledPrinter> printer = programma.HuidigePrinter();
    if (!printer)
        return mislukt(QStringLiteral("Er is geen printer gekozen."));
    if (!programma.SysteemPrinters().Installed().contains(*printer))
        return mislukt(printerGoneReason(*printer));

    BusyCursor zandloper;
    QString fout;
    const std::unique_ptr<Printer> taak = programma.SysteemPrinters().Open(*printer, document);
    const bool gelukt = bladzijden(*taak, &fout);
    zandloper.release();
    if (!gelukt)
        return mislukt(fout.isEmpty() ? QStringLiteral("De printer gaf geen reden.") : fout);
    return true;
}
