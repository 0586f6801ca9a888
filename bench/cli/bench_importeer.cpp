// Importing a bank file of 100,000 ING transactions into a list of 100,000 entries, half of them
// already there: reading the file, the duplicate check and the safe write of the list, as
// `geldlog importeer` does them.
//
// Prints FIGURE<TAB>name<TAB>value<TAB>unit<TAB>target lines for the table of make bench.
#include "BenchProgramma.h"
#include "Figure.h"
#include "IngBestand.h"
#include "SnelsteTijd.h"
#include "cli/ImporteerOpdracht.h"
#include "common/Rijen.h"
#include "lists/LijstBestand.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int Aantal = 100000;
constexpr int Herhalingen = 5;

void Schrijf(const QString &pad, const QByteArray &inhoud)
{
    QFile bestand(pad);
    if (!bestand.open(QIODevice::WriteOnly) || bestand.write(inhoud) != inhoud.size())
        qFatal("cannot write %s", qPrintable(pad));
}

QByteArray Lees(const QString &pad)
{
    QFile bestand(pad);
    if (!bestand.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(pad));
    return bestand.readAll();
}

void ImporteerBestand(const Programma &programma, const QString &bestand, const QString &lijst)
{
    QString verslag;
    QTextStream uit(&verslag);
    QTextStream fout(&verslag);
    if (Importeer(programma, { bestand, lijst, std::nullopt, false, false }, uit, fout) != Gedaan)
        qFatal("%s", qPrintable(verslag));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    BenchProgramma<> bench;
    const Programma &programma = bench.programma;
    const QString map = bench.map.path();

    // The list: 50,000 entries of its own and the first 50,000 transactions of the file.
    const QString naam = QStringLiteral("Groot");
    const QString lijstPad = LijstPad(programma, naam);
    {
        QFile lijst(lijstPad);
        if (!lijst.open(QIODevice::WriteOnly)
            || !SchrijfLijst(lijst, TypischeRijen(Aantal / 2), nullptr))
            qFatal("cannot write the list");
    }
    const QString helft = map + QStringLiteral("/helft.csv");
    Schrijf(helft, IngBestand(Aantal / 2));
    ImporteerBestand(programma, helft, naam);
    const QByteArray lijstBytes = Lees(lijstPad);

    const QString afschrift = map + QStringLiteral("/afschrift.csv");
    const QByteArray bytes = IngBestand(Aantal);
    Schrijf(afschrift, bytes);
    std::printf("ING-bestand van %d posten, %lld bytes; lijst van %d regels, %lld bytes\n\n",
        Aantal, static_cast<long long>(bytes.size()), Aantal,
        static_cast<long long>(lijstBytes.size()));

    const double ms = SnelsteMs(
        Herhalingen, [&] { Schrijf(lijstPad, lijstBytes); },
        [&] { ImporteerBestand(programma, afschrift, naam); });
    std::printf("%-60s %8.2f ms\n", "importeer, dubbele posten herkend", ms);
    ReportFigure("importeer 100,000 ING transactions into a 100,000-entry list", ms, "ms", 1000);
    return 0;
}
