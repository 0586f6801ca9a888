// Saving, loading and the balance of a list of 100,000 entries, each beside the time it takes
// merely to write or read the same bytes, so the figures mean the same on any machine.
#include "BenchProgramma.h"
#include "Figure.h"
#include "SnelsteTijd.h"
#include "lists/LijstBestand.h"

#include "common/Programma.h"
#include "platform/Clock.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QTreeView>

#include <cstdio>

namespace {

constexpr int Aantal = 100000;
constexpr int Herhalingen = 7;

ItemRijen Lijst()
{
    ItemRijen items;
    for (int i = 0; i < Aantal; ++i) {
        items.Voeg({ QStringLiteral("2018-%1-%2")
                         .arg(i % 12 + 1, 2, 10, QLatin1Char('0'))
                         .arg(i % 28 + 1, 2, 10, QLatin1Char('0')),
            QStringLiteral("Boodschappen Café %1").arg(i),
            i % 3 == 0 ? QStringLiteral("123,45") : QString(),
            i % 3 == 0 ? QString() : QStringLiteral("67,89") });
    }
    return items;
}

QByteArray LeesBytes(const QString &pad)
{
    QFile bestand(pad);
    if (!bestand.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(pad));
    return bestand.readAll();
}

void SchrijfBytes(const QString &pad, const QByteArray &bytes)
{
    QFile bestand(pad);
    if (!bestand.open(QIODevice::WriteOnly) || bestand.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(pad));
}

// A figure as a multiple of merely writing or reading the same bytes.
void Regel(const char *wat, double ms, double basis, double doel)
{
    std::printf("%-52s %8.2f ms\n", wat, ms);
    ReportFigure(wat, ms / basis, "x", doel);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    BenchProgramma<> bench;
    Programma &programma = bench.programma;

    ItemModel model;
    model.VoegToe(Lijst());
    const QString naam = QStringLiteral("Groot");
    const QString pad = LijstPad(programma, naam);
    QString fout;
    if (!SaveLijst(programma, model, naam, &fout))
        qFatal("%s", qPrintable(fout));
    const QByteArray bytes = LeesBytes(pad);
    std::printf(
        "Lijst van %d regels, %lld bytes\n\n", Aantal, static_cast<long long>(bytes.size()));

    const QString kopie = programma.DataMap() + QStringLiteral("kopie.lst");
    const double schrijven = SnelsteMs(Herhalingen, [&] { SchrijfBytes(kopie, bytes); });
    const double lezen = SnelsteMs(Herhalingen, [&] { LeesBytes(pad); });
    std::printf("%-52s %8.2f ms\n", "bytes schrijven", schrijven);
    std::printf("%-52s %8.2f ms\n\n", "bytes lezen", lezen);

    Regel("SaveLijst / writing its bytes",
        SnelsteMs(Herhalingen, [&] { SaveLijst(programma, model, naam, nullptr); }), schrijven, 10);

    ItemModel los;
    Regel("LaadLijst into the model / reading its bytes",
        SnelsteMs(Herhalingen, [&] { LaadLijst(programma, los, naam); }), lezen, 25);

    // As in the main window: a shown table whose rows all have the same height.
    QTreeView tabel;
    tabel.setUniformRowHeights(true);
    tabel.setRootIsDecorated(false);
    tabel.setModel(&model);
    tabel.resize(800, 600);
    tabel.show();
    QApplication::processEvents();
    Regel("LaadLijst into the shown table / reading its bytes",
        SnelsteMs(Herhalingen,
            [&] {
                LaadLijst(programma, model, naam);
                QApplication::processEvents();
                tabel.viewport()->repaint();
            }),
        lezen, 25);
    if (model.Aantal() != Aantal)
        qFatal("loaded %d rows", model.Aantal());

    const QString bestandsNaam = naam + QStringLiteral(".lst");
    Regel("OpenGeldlog / reading its bytes",
        SnelsteMs(Herhalingen, [&] { OpenGeldlog(programma, bestandsNaam); }), lezen, 15);
    return 0;
}
