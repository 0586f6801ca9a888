// The budget over ten years of a household's months (Huishouden.h, a year of its own each, kept
// by hand): `geldlog begroting` in the program and as a process of its own, the window "Begroting"
// from its making to its painted table, and a budget typed in it until its row, its group's and
// the total are painted again (the file written safely on the way).
#include "BenchProgramma.h"
#include "Figure.h"
#include "SnelsteTijd.h"
#include "app/VensterTijd.h"
#include "cli/Opdrachtregel.h"
#include "common/MaandNamen.h"
#include "lists/LijstBestand.h"
#include "matching/Huishouden.h"
#include "planning/BegrotingForm.h"
#include "planning/BegrotingModel.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QTest>
#include <QTextStream>
#include <QTreeView>

#include <algorithm>
#include <cstdio>

namespace {

// The machine is shared: the fastest of many runs is the one least disturbed.
constexpr int Herhalingen = 15;

// Ten years of the household's months up to this year, a year of its own each, kept by hand, as
// lists in the program's Data folder; returns how many entries they hold.
int SchrijfTienJaar(const Programma &programma)
{
    constexpr int Jaren = 10;
    const int laatste = QDate::currentDate().year();
    int posten = 0;
    for (int jaar = laatste - Jaren + 1; jaar <= laatste; ++jaar) {
        const HuishoudJaar huishouden = MaakHuishoudJaar(jaar, static_cast<quint32>(jaar));
        for (int maand = 1; maand <= 12; ++maand) {
            const ItemRijen &lijst = huishouden.maanden[maand - 1].lijst;
            QString fout;
            if (!SaveLijst(programma, lijst,
                    QStringLiteral("%1 %2").arg(jaar).arg(MaandNaam(maand)), &fout))
                qFatal("%s", qPrintable(fout));
            posten += lijst.Aantal();
        }
    }
    return posten;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    BenchProgramma<> bench;
    Programma &programma = bench.programma;

    const int posten = SchrijfTienJaar(programma);
    std::printf("120 lijsten, samen %d posten\n", posten);

    // Every proposal taken, as "Voorstel" and `voorstel --opslaan` do.
    QString tekst;
    QTextStream uit(&tekst);
    const auto opdracht = [&](const QStringList &woorden) {
        tekst.clear();
        VoerOpdrachtUit(
            bench.map.path(), QStringList { QStringLiteral("geldlog") } + woorden, uit, uit);
        uit.flush();
    };
    opdracht(
        { QStringLiteral("begroting"), QStringLiteral("voorstel"), QStringLiteral("--opslaan") });
    std::printf("%s", qPrintable(tekst));

    const double inProgramma
        = SnelsteMs(Herhalingen, [&] { opdracht({ QStringLiteral("begroting") }); });
    if (!tekst.contains(QStringLiteral("Vrij te besteden tot en met")))
        qFatal("geldlog begroting gave %s", qPrintable(tekst));
    std::printf("%s", qPrintable(tekst));

    const QString programmaPad = bench.map.path() + QStringLiteral("/geldlog");
    if (!QFile::copy(QStringLiteral(GELDLOG_PROGRAMMA), programmaPad))
        qFatal("cannot copy the program");
    std::vector<double> proces;
    for (int i = 0; i < Herhalingen; ++i)
        proces.push_back(ProcessMs(programmaPad, { QStringLiteral("begroting") }));
    const double wand = *std::min_element(proces.begin(), proces.end());

    const WindowFactory maak
        = [&]() -> std::unique_ptr<QWidget> { return std::make_unique<BegrotingForm>(programma); };
    ShowAndPaint(maak);
    std::vector<double> openen;
    for (int i = 0; i < Herhalingen; ++i)
        openen.push_back(ShowAndPaint(maak));
    const double open = *std::min_element(openen.begin(), openen.end());

    // A budget typed: the row, its group's total and the grand total painted anew.
    BegrotingForm form(programma);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        qFatal("the window did not show");
    auto *tabel = form.findChild<QTreeView *>(QStringLiteral("BegrotingTabel"));
    QAbstractItemModel *model = tabel->model();
    const QModelIndex cel = model->index(1, BegrotingModel::Begroot);
    int bedrag = 100;
    const double bewerkt = SnelsteMs(Herhalingen, [&] {
        if (!model->setData(cel, QString::number(++bedrag), Qt::EditRole))
            qFatal("the budget was not taken");
        QApplication::processEvents();
    });

    std::printf("%-50s %8.2f ms\n%-50s %8.2f ms\n%-50s %8.2f ms\n%-50s %8.2f ms\n",
        "geldlog begroting, in het programma", inProgramma, "geldlog begroting, eigen proces", wand,
        "venster open, getekend", open, "begroting getypt, rij getekend", bewerkt);
    ReportFigure("geldlog begroting over ten years of lists, in one program", inProgramma, "ms");
    ReportFigure("geldlog begroting over ten years of lists, own process, wall", wand, "ms", 300);
    ReportFigure("budget window: opened to table painted, ten years of lists", open, "ms", 300);
    ReportFigure("budget window: a budget typed until its row is painted", bewerkt, "ms", 30);
    return 0;
}
