// The fixed-costs window with 10,000 fixed costs: opening it until it is painted, and exporting
// them into a month of 100,000 entries shown in the real main window.
#include "fixedcosts/VasteLastenForm.h"

#include "../common/Rijen.h"
#include "BenchProgramma.h"
#include "Figure.h"
#include "SnelsteTijd.h"
#include "app/Main.h"
#include "common/Programma.h"
#include "controls/VistaButton.h"
#include "lists/VasteLastenBestand.h"
#include "platform/Clock.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <cstdio>
#include <optional>

namespace {

constexpr int VasteLasten = 10000;
constexpr int MaandItems = 100000;
constexpr int Herhalingen = 7;
constexpr double DoelMs = 50;

void Figuur(const char *naam, double ms)
{
    ReportFigure(naam, ms, "ms", DoelMs);
}

// Fixed costs of typical length: every row dated "-", every other one an income.
ItemRijen VasteLastenRijen()
{
    ItemRijen rijen = TypischeRijen(VasteLasten);
    ItemRijen vast;
    for (int rij = 0; rij < rijen.Aantal(); ++rij) {
        vast.Voeg(u"-", rijen.Cel(rij, ItemModel::Omschrijving),
            rijen.Cel(rij, ItemModel::Inkomsten), rijen.Cel(rij, ItemModel::Uitgaven));
    }
    return vast;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    BenchProgramma<> bench;
    Programma &programma = bench.programma;
    ItemModel vasteLasten;
    vasteLasten.VoegToe(VasteLastenRijen());
    QString fout;
    if (!SaveVasteLasten(programma, vasteLasten, &fout))
        qFatal("%s", qPrintable(fout));

    Main hoofd(programma);
    hoofd.show();
    QApplication::processEvents();

    std::optional<VasteLastenForm> form;
    const auto openen = [&] {
        form.emplace(hoofd, &hoofd);
        form->show();
        QApplication::processEvents();
    };
    Figuur("VasteLastenForm openen, 10.000 vaste lasten",
        SnelsteMs(
            Herhalingen, [] {}, openen, [&] { form.reset(); }));

    const ItemRijen maand = TypischeRijen(MaandItems);
    const double export_ = SnelsteMs(
        Herhalingen,
        [&] {
            hoofd.items().MaakLeeg();
            hoofd.items().VoegToe(ItemRijen(maand));
            openen();
        },
        [&] {
            QTest::mouseClick(form->findChild<VistaButton *>(QStringLiteral("SaveKnop")),
                Qt::LeftButton, {}, QPoint(5, 5));
            QApplication::processEvents();
        },
        [&] {
            if (form->isVisible() || hoofd.items().Aantal() != MaandItems + VasteLasten)
                qFatal("the export did not take place");
            form.reset();
        });
    Figuur("Export van 10.000 vaste lasten in een maand van 100.000 items", export_);
    return 0;
}
