// Saving, loading and the balance of a list of 100,000 entries, each beside the time it takes
// merely to turn the same bytes into text or that text into bytes (Windows-1252), so the ratios
// mean the same on any machine; the times themselves stand beside them. Reading or writing the
// cached file alone takes a fraction of a millisecond that differs threefold from run to run: no
// steady measure to divide by.
#include "BenchProgramma.h"
#include "Figure.h"
#include "SnelsteTijd.h"
#include "lists/LijstBestand.h"

#include "common/Programma.h"
#include "platform/Ansi.h"
#include "platform/Clock.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QTreeView>

#include <cstdio>
#include <string>

namespace {

constexpr int Aantal = 100000;
constexpr int Herhalingen = 11;

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

// A figure in milliseconds beside the steady work it is measured against, and their ratio.
void Regel(const std::string &wat, const NaastElkaar &ms, const char *basisNaam, double doel)
{
    std::printf("%-32s %7.2f ms (processor %6.2f)  %s %6.2f ms (processor %6.2f)  %5.2fx  "
                "(doel %gx)\n",
        wat.c_str(), ms.werkMs, ms.werkProcessorMs, basisNaam, ms.basisMs, ms.basisProcessorMs,
        ms.Verhouding(), doel);
    ReportFigure((wat + " (100,000 entries)").c_str(), ms.werkMs, "ms");
    ReportFigure((wat + " / " + basisNaam).c_str(), ms.Verhouding(), "x", doel);
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

    // The whole file's text in one piece and back: the least any reader or writer of it does.
    // Into a string and an array held from run to run, so the measure is the work itself and not
    // the system's handing out of fresh memory, which varies with whatever else the machine does.
    QString tekst = Ansi::decode(bytes);
    if (tekst.size() != bytes.size())
        qFatal("the bytes did not decode as one character each");
    const auto decoderen = [&] { Ansi::decode(bytes, tekst); };
    QByteArray gecodeerd(bytes.size(), Qt::Uninitialized);
    const auto coderen = [&] { Ansi::encode(tekst, gecodeerd.data()); };

    Regel("SaveLijst",
        SnelsteNaastElkaar(
            Herhalingen, [&] { SaveLijst(programma, model, naam, nullptr); }, coderen),
        "encoding", 5);

    ItemModel los;
    Regel("LaadLijst into the model",
        SnelsteNaastElkaar(
            Herhalingen, [&] { LaadLijst(programma, los, naam); }, decoderen),
        "decoding", 5);

    // As in the main window: a shown table whose rows all have the same height.
    QTreeView tabel;
    tabel.setUniformRowHeights(true);
    tabel.setRootIsDecorated(false);
    tabel.setModel(&model);
    tabel.resize(800, 600);
    tabel.show();
    QApplication::processEvents();
    Regel("LaadLijst into the shown table",
        SnelsteNaastElkaar(
            Herhalingen,
            [&] {
                LaadLijst(programma, model, naam);
                QApplication::processEvents();
                tabel.viewport()->repaint();
            },
            decoderen),
        "decoding", 5);
    if (model.Aantal() != Aantal || los.Aantal() != Aantal || gecodeerd != bytes)
        qFatal("loaded %d rows", model.Aantal());

    const QString bestandsNaam = naam + QStringLiteral(".lst");
    Regel("OpenGeldlog",
        SnelsteNaastElkaar(
            Herhalingen, [&] { OpenGeldlog(programma, bestandsNaam); }, decoderen),
        "decoding", 3);
    return 0;
}
