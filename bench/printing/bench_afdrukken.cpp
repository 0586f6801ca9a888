// Printing a long list through Qt into a PDF file, and one page on the recording printer.
#include "Figure.h"
#include "RecordingPrinters.h"
#include "common/ItemModel.h"
#include "common/Opmaak.h"
#include "platform/QtPrinter.h"
#include "platform/Twips.h"
#include "printing/LijstAfdruk.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

void VulLijst(ItemModel &items, int aantal)
{
    ItemRijen rijen;
    for (int n = 1; n <= aantal; ++n) {
        const QString bedrag
            = QStringLiteral("%1,%2").arg(n % 2000).arg(n % 100, 2, 10, QChar(u'0'));
        rijen.Voeg(QStringLiteral("2026-12-%1").arg(n % 28 + 1, 2, 10, QChar(u'0')),
            QStringLiteral("Boodschappen week %1").arg(n), n % 3 == 0 ? bedrag : QString(),
            n % 3 == 0 ? QString() : bedrag);
    }
    items.VoegToe(std::move(rijen));
}

double Mediaan(int keren, const std::function<void()> &werk)
{
    std::vector<double> tijden;
    for (int i = 0; i < keren; ++i) {
        QElapsedTimer klok;
        klok.start();
        werk();
        tijden.push_back(static_cast<double>(klok.nsecsElapsed()) / 1e6);
    }
    std::sort(tijden.begin(), tijden.end());
    return tijden[tijden.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);

    // The ruler the print dialog measures amounts with.
    QLabel liniaal;
    liniaal.setFont(Arial(9.75));
    const Liniaal breedte = [&liniaal](const QString &tekst) {
        liniaal.setText(tekst);
        liniaal.adjustSize();
        return liniaal.width() * twips::perPixel;
    };

    ItemModel groot;
    VulLijst(groot, 10000);
    const LijstAfdruk afdruk { QStringLiteral("2026 December"), QDateTime::currentDateTime(),
        &groot, QStringLiteral("Saldo..... : € 1234,56"), QStringLiteral("€ 9999,99"),
        QStringLiteral("€ 8765,43"), true, true };
    QTemporaryDir map;
    const QString pad = map.filePath(QStringLiteral("lijst.pdf"));
    const double pdf = Mediaan(3, [&] {
        auto printer = QtPrinter::ToPdfFile(pad, QStringLiteral("Geldlog"));
        QString fout;
        if (!PrintLijst(*printer, afdruk, breedte, &fout))
            qFatal("printing failed: %s", qPrintable(fout));
    });
    ReportFigure("10,000 entries to a PDF file (about 200 pages)", pdf, "ms", 2000);

    ItemModel pagina;
    VulLijst(pagina, 50);
    LijstAfdruk eenPagina = afdruk;
    eenPagina.items = &pagina;
    RecordingPrinters printers;
    const InstalledPrinter printer { QStringLiteral("Opname"), QStringLiteral("opname") };
    const double opname = Mediaan(501, [&] {
        printers.taken.clear();
        auto taak = printers.Open(printer, QStringLiteral("Geldlog"));
        PrintLijst(*taak, eenPagina, breedte, nullptr);
    });
    ReportFigure("one page of 50 entries on the recording printer", opname, "ms", 1);
    return 0;
}
