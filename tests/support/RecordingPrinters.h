#pragma once

#include "platform/Printers.h"

#include <QColor>
#include <QList>
#include <QString>

#include <deque>

// One text as it was printed: where, on which page (1 for the first), and in what font.
struct GedruktTekst {
    int pagina = 1;
    int x = 0;
    int y = 0;
    QString tekst;
    QString lettertype;
    double punten = 0.0;
    bool vet = false;
    QColor kleur;
};

// One print job, from its opening to its end.
struct Afdruktaak {
    InstalledPrinter printer;
    QString document;
    QList<GedruktTekst> teksten;
    int paginas = 0; // 0 until the first text opens the job
    bool beeindigd = false;
    bool zandloperBijEinde = false; // the busy pointer was on when the document ended
};

// Printers for the tests: installed as a test says, and every job kept for the test to read.
// A printer whose key is in `weigerend` fails its job when the document ends, as a queue that
// refuses it.
class RecordingPrinters final : public Printers {
public:
    QList<InstalledPrinter> Installed() const override { return geinstalleerd; }
    std::optional<InstalledPrinter> SystemDefault() const override { return standaard; }
    std::unique_ptr<Printer> Open(
        const InstalledPrinter &printer, const QString &document) override;

    QList<InstalledPrinter> geinstalleerd;
    std::optional<InstalledPrinter> standaard;
    QStringList weigerend;
    // A deque, so that a job stays where its printer writes while later jobs are added.
    std::deque<Afdruktaak> taken;
};
