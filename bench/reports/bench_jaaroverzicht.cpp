// The year overview over ten years of a household's months, twelve lists a year of 300 entries
// each: `geldlog jaar` beside the time it takes merely to read the same files' bytes, and as a
// process of its own; the window from its opening to its painted table and chart, another year
// chosen, and each keystroke of a search.
#include "BenchProgramma.h"
#include "Figure.h"
#include "SnelsteTijd.h"
#include "app/VensterTijd.h"
#include "cli/JaarOpdracht.h"
#include "common/MaandNamen.h"
#include "lists/LijstBestand.h"
#include "yearview/JaaroverzichtForm.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int EersteJaar = 2017;
constexpr int Jaren = 10;
constexpr int PostenPerLijst = 300;
// The machine is shared: the fastest of many runs is the one least disturbed.
constexpr int Herhalingen = 15;

// Sixty descriptions, some written in more than one way, with amounts that vary by the cent.
QByteArray Maand(int jaar, int maand)
{
    static const char *const Winkels[] = { "Albert Heijn", "albert heijn ", "Jumbo", "Lidl",
        "Bakker", "Apotheek", "HEMA", "Kruidvat", "Action", "Tankstation", "Bol.com", "Coolblue" };
    QByteArray bytes;
    for (int i = 0; i < PostenPerLijst; ++i) {
        const int dag = 1 + i % 28;
        bytes += QByteArray::number(jaar) + '-' + QByteArray::number(100 + maand).right(2) + '-'
            + QByteArray::number(100 + dag).right(2) + "\r\n";
        const int soort = (i * 7 + maand) % 60;
        bytes += soort < 12 ? QByteArray(Winkels[soort])
                            : "Omschrijving " + QByteArray::number(soort);
        bytes += "\r\n";
        const QByteArray bedrag = QByteArray::number(1 + (i * 37 + maand * 11) % 400) + ','
            + QByteArray::number(10 + i % 90);
        bytes += i % 25 == 0 ? bedrag + "\r\n\r\n" : "\r\n" + bedrag + "\r\n";
        bytes += "----------------------------\r\n";
    }
    return bytes;
}

void Schrijf(const QString &pad, const QByteArray &bytes)
{
    QFile bestand(pad);
    if (!bestand.open(QIODevice::WriteOnly) || bestand.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(pad));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    BenchProgramma<> bench;
    Programma &programma = bench.programma;

    qint64 grootte = 0;
    for (int jaar = EersteJaar; jaar < EersteJaar + Jaren; ++jaar) {
        for (int maand = 1; maand <= 12; ++maand) {
            const QByteArray bytes = Maand(jaar, maand);
            Schrijf(
                programma.DataMap() + QStringLiteral("%1 %2.lst").arg(jaar).arg(MaandNaam(maand)),
                bytes);
            grootte += bytes.size();
        }
    }
    const int laatste = EersteJaar + Jaren - 1;
    std::printf("%d lijsten van %d posten, samen %lld bytes\n", Jaren * 12, PostenPerLijst,
        static_cast<long long>(grootte));

    // `geldlog jaar` beside what it cannot do without: listing the lists as it lists them and
    // reading every one's bytes.
    QString tabel;
    const NaastElkaar jaar = SnelsteNaastElkaar(
        Herhalingen,
        [&] {
            tabel.clear();
            QTextStream uit(&tabel);
            QTextStream fout(&tabel);
            Jaar(programma, laatste, false, uit, fout);
        },
        [&] {
            for (const QString &naam : LijstBestanden(programma)) {
                QFile bestand(programma.DataMap() + naam);
                if (!bestand.open(QIODevice::ReadOnly) || bestand.readAll().isEmpty())
                    qFatal("cannot read %s", qPrintable(naam));
            }
        });
    if (tabel.count(u'\n') < 60)
        qFatal("geldlog jaar gave %s", qPrintable(tabel));
    std::printf("%-50s %8.2f ms (processor %6.2f)\n%-50s %8.2f ms (processor %6.2f)  %4.1fx\n",
        "de bytes lezen", jaar.basisMs, jaar.basisProcessorMs, "geldlog jaar, in het programma",
        jaar.werkMs, jaar.werkProcessorMs, jaar.Verhouding());
    ReportFigure("year overview: read 120 lists' bytes", jaar.basisMs, "ms");
    ReportFigure("geldlog jaar over 120 lists, in one program", jaar.werkMs, "ms");
    ReportFigure("geldlog jaar / read the bytes, processor time", jaar.Verhouding(), "x", 3);

    // The real program on the same folder, as a user runs it.
    const QString programmaPad = bench.map.path() + QStringLiteral("/geldlog");
    if (!QFile::copy(QStringLiteral(GELDLOG_PROGRAMMA), programmaPad))
        qFatal("cannot copy the program");
    std::vector<double> proces;
    for (int i = 0; i < Herhalingen; ++i)
        proces.push_back(
            ProcessMs(programmaPad, { QStringLiteral("jaar"), QString::number(laatste) }));
    const double wand = *std::min_element(proces.begin(), proces.end());
    std::printf("%-50s %8.2f ms\n", "geldlog jaar, eigen proces", wand);
    ReportFigure("geldlog jaar over 120 lists, own process, wall", wand, "ms", 1000);

    // The window, as the button and Ctrl+J open it: from its making to the painted table and chart.
    const WindowFactory maak = [&]() -> std::unique_ptr<QWidget> {
        return std::make_unique<JaaroverzichtForm>(programma);
    };
    ShowAndPaint(maak);
    std::vector<double> openen;
    for (int i = 0; i < Herhalingen; ++i)
        openen.push_back(ShowAndPaint(maak));
    const double open = *std::min_element(openen.begin(), openen.end());

    JaaroverzichtForm form(programma);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        qFatal("the window did not show");
    auto *jaarKeuze = form.findChild<QComboBox *>(QStringLiteral("JaarKeuze"));
    auto *zoekVak = form.findChild<QLineEdit *>(QStringLiteral("ZoekVak"));
    const double anderJaar = SnelsteMs(Herhalingen, [&] {
        jaarKeuze->setCurrentIndex((jaarKeuze->currentIndex() + 1) % jaarKeuze->count());
        QApplication::processEvents();
    });
    // Each keystroke as the user makes it: the key, then the window's repaints of what changed.
    double traagsteToets = 0.0;
    for (const char toets : QByteArray("omschrijving 4")) {
        traagsteToets = std::max(traagsteToets, SnelsteMs(1, [&] {
            QTest::keyClick(zoekVak, toets);
            QApplication::processEvents();
        }));
    }
    std::printf("%-50s %8.2f ms\n%-50s %8.2f ms\n%-50s %8.2f ms\n", "venster open, getekend", open,
        "ander jaar gekozen", anderJaar, "traagste toets in het zoekvak", traagsteToets);
    ReportFigure("year overview window: opened to table and chart painted", open, "ms", 300);
    ReportFigure("year overview window: another year chosen", anderJaar, "ms", 300);
    ReportFigure("year overview window: slowest search keystroke", traagsteToets, "ms", 30);
    return 0;
}
