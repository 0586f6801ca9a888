// Whether the start-up grows with the number of lists in Data: the main window from the start of
// a process to its painted window, and constructed and painted again and again inside one
// program, with an empty Data folder and with one of 1,000 lists. Also the open dialog over the
// 1,000 lists, which does read the folder.
//
// Prints FIGURE<TAB>name<TAB>value<TAB>unit<TAB>target lines for the table of make bench.
#include "Figure.h"
#include "VensterTijd.h"
#include "app/Main.h"
#include "app/Toepassing.h"
#include "common/Programma.h"
#include "listwindows/OpenForm.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/QtPrinter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace {

const QByteArray Groep
    = "2026-01-01\r\nBoodschappen\r\n\r\n12,50\r\n----------------------------\r\n";

void Schrijf(const QString &pad, const QByteArray &inhoud)
{
    QFile bestand(pad);
    if (!bestand.open(QIODevice::WriteOnly) || bestand.write(inhoud) != inhoud.size())
        qFatal("cannot write %s", qPrintable(pad));
}

// A program folder as after the first start, with `lijsten` lists of 40 entries in Data.
void MaakProgrammaMap(const QString &map, int lijsten)
{
    QDir(map).mkdir(QStringLiteral("Data"));
    Schrijf(map + QStringLiteral("/Geldlog.ini"),
        "\"Velbrook Software 2018\"\r\n\"--------------------------\"\r\n230,230,180\r\n");
    Schrijf(map + QStringLiteral("/Data/Omschrijving.txt"), "Boodschappen\r\nHuur\r\n");
    for (int i = 0; i < lijsten; ++i) {
        Schrijf(map + QStringLiteral("/Data/%1 %2.lst").arg(2000 + i / 12).arg(1 + i % 12),
            Groep.repeated(40));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    const std::unique_ptr<QApplication> toepassing = MaakToepassing(argc, argv);
    SystemClock klok;
    QtMessageBoxes berichten;
    QtPrinters printers;

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) == QStringLiteral("--once")) {
        Programma programma(arguments.value(2), berichten, klok, printers);
        ShowAndPaint([&programma] { return std::make_unique<Main>(programma); });
        return 0;
    }

    QTemporaryDir leeg;
    QTemporaryDir vol;
    MaakProgrammaMap(leeg.path(), 0);
    MaakProgrammaMap(vol.path(), 1000);
    Programma programmaLeeg(leeg.path(), berichten, klok, printers);
    Programma programmaVol(vol.path(), berichten, klok, printers);

    // Taken in turns, each first every other time, so a busy moment of the machine and whatever
    // the one before leaves behind fall on both alike.
    const QString self = QCoreApplication::applicationFilePath();
    std::vector<double> startLeeg, startVol;
    for (int run = 0; run < 15; ++run) {
        if (run % 2 == 0)
            startLeeg.push_back(ProcessMs(self, { QStringLiteral("--once"), leeg.path() }));
        startVol.push_back(ProcessMs(self, { QStringLiteral("--once"), vol.path() }));
        if (run % 2 == 1)
            startLeeg.push_back(ProcessMs(self, { QStringLiteral("--once"), leeg.path() }));
    }

    const WindowFactory mainLeeg = [&] { return std::make_unique<Main>(programmaLeeg); };
    const WindowFactory mainVol = [&] { return std::make_unique<Main>(programmaVol); };
    ShowAndPaint(mainLeeg);
    ShowAndPaint(mainVol);
    std::vector<double> binnenLeeg, binnenVol;
    for (int run = 0; run < 15; ++run) {
        binnenLeeg.push_back(ShowAndPaint(mainLeeg));
        binnenVol.push_back(ShowAndPaint(mainVol));
    }

    // The open dialog lists the folder when it is built.
    Main hoofd(programmaVol);
    const WindowFactory open = [&] { return std::make_unique<OpenForm>(hoofd); };
    ShowAndPaint(open);
    std::vector<double> openen;
    for (int run = 0; run < 15; ++run)
        openen.push_back(ShowAndPaint(open));

    ReportFigure("start, empty Data (process to painted window)", Median(startLeeg), "ms");
    ReportFigure("start, 1,000 lists in Data (process to painted window)", Median(startVol), "ms");
    ReportFigure(
        "start, 1,000 lists / empty Data", Median(startVol) / Median(startLeeg), "ratio", 1.10);
    ReportFigure("main window inside the program, 1,000 lists / empty Data",
        Median(binnenVol) / Median(binnenLeeg), "ratio", 1.10);
    ReportFigure("open dialog over 1,000 lists, built and painted", Median(openen), "ms");
    return 0;
}
