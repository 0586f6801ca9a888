// The window "Bankafschrift inlezen" with a statement of 10,000 transactions over a month of
// 100,000 entries in the real main window: opening it until it is painted, and adding them all;
// and opening it beside a Data folder of 1,000 saved months, each of which it looks in.
#include "bankimport/BankForm.h"

#include "BenchProgramma.h"
#include "Figure.h"
#include "SnelsteTijd.h"
#include "app/Main.h"
#include "bank/Bankafschrift.h"
#include "common/Rijen.h"
#include "controls/VistaButton.h"

#include <QApplication>
#include <QFile>
#include <QTest>

#include <optional>

namespace {

constexpr int Posten = 10000;
constexpr int MaandItems = 100000;
constexpr int Herhalingen = 7;

// Transactions of typical length over one month, every fourth one received; none of them in the
// long month, whose amounts all end in 45 cents.
Bankafschrift GrootAfschrift()
{
    Bankafschrift afschrift;
    afschrift.bank = QStringLiteral("ING");
    afschrift.soort = QStringLiteral("CSV");
    afschrift.rekeningen = { QStringLiteral("NL20INGB0001234567") };
    afschrift.posten.reserve(Posten);
    for (int i = 0; i < Posten; ++i) {
        afschrift.posten.push_back(
            { QDate(2026, 12, 1 + i % 28), QStringLiteral("Winkel %1 Amsterdam").arg(i % 500),
                QStringLiteral("Pasbetaling %1").arg(i), (i % 4 == 0 ? 1 : -1) * (100 + i * 10),
                QString(), i + 2 });
    }
    return afschrift;
}

// 1,000 saved months of 40 entries, from 1944 on; the last ones hold entries of the statement's
// month and the months around it, which are read and compared.
void SchrijfMaanden(const Programma &programma)
{
    for (int i = 0; i < 1000; ++i) {
        const QDate maand = QDate(2027, 4, 1).addMonths(-i - 1);
        QByteArray lijst;
        for (int dag = 1; dag <= 40; ++dag) {
            lijst += maand.addDays(dag % 28).toString(Qt::ISODate).toLatin1()
                + "\r\nBoodschappen\r\n\r\n12,50\r\n----------------------------\r\n";
        }
        QFile bestand(
            programma.DataMap() + QStringLiteral("%1 %2.lst").arg(maand.year()).arg(maand.month()));
        if (!bestand.open(QIODevice::WriteOnly) || bestand.write(lijst) != lijst.size())
            qFatal("cannot write a month");
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    BenchProgramma<> bench;
    bench.programma.Waarden().LijstNaam = QStringLiteral("December 2026");
    const Bankafschrift afschrift = GrootAfschrift();
    const ItemRijen maand = TypischeRijen(MaandItems);

    Main hoofd(bench.programma);
    hoofd.show();
    QApplication::processEvents();

    std::optional<BankForm> form;
    const auto openen = [&] {
        form.emplace(hoofd, afschrift, &hoofd);
        form->show();
        QApplication::processEvents();
    };
    // The window itself over a new month, then with the check of every transaction against a
    // month that holds many entries already.
    ReportFigure("BankForm openen, 10.000 posten, lege maand",
        SnelsteMs(
            Herhalingen, [] {}, openen, [&] { form.reset(); }),
        "ms", 100);
    hoofd.items().VoegToe(ItemRijen(maand));
    ReportFigure("BankForm openen, 10.000 posten, maand van 100.000 items",
        SnelsteMs(
            Herhalingen, [] {}, openen, [&] { form.reset(); }),
        "ms", 100);

    const double toevoegen = SnelsteMs(
        Herhalingen,
        [&] {
            hoofd.items().MaakLeeg();
            hoofd.items().VoegToe(ItemRijen(maand));
            openen();
        },
        [&] {
            QTest::mouseClick(form->findChild<VistaButton *>(QStringLiteral("ToevoegenKnop")),
                Qt::LeftButton, {}, QPoint(5, 5));
            QApplication::processEvents();
        },
        [&] {
            if (form->isVisible() || hoofd.items().Aantal() != MaandItems + Posten)
                qFatal("the transactions were not added");
            form.reset();
        });
    ReportFigure(
        "10.000 bankposten toevoegen aan een maand van 100.000 items", toevoegen, "ms", 50);

    hoofd.items().MaakLeeg();
    SchrijfMaanden(bench.programma);
    ReportFigure("BankForm openen, 10.000 posten, naast 1.000 opgeslagen maanden",
        SnelsteMs(
            Herhalingen, [] {}, openen, [&] { form.reset(); }),
        "ms", 100);
    return 0;
}
