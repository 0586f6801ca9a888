// How long the main window takes to appear, beside a bare Qt window with one label (a program of
// its own, helpers/start-label), in two ways:
// - a program start: the time from starting a process until its window is on the screen (mapped
//   by the display, where there is one) and until it is painted and the process has ended;
// - inside one running program: constructing, showing and painting the window again and again,
//   beside an empty window, which leaves out everything all windows share (loading Qt, the
//   platform, the fonts).
#include "EindNaVerven.h"
#include "Figure.h"
#include "OpScherm.h"
#include "VensterTijd.h"
#include "app/Main.h"
#include "app/Overdracht.h"
#include "app/Toepassing.h"
#include "common/Programma.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/QtPrinter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// The program's start as the program makes it, in the program folder `map`; ends once painted.
[[noreturn]] void StartMain(int &argc, char *argv[], const QString &map)
{
    // As the program starts: the one Geldlog on its display, making the socket anew that the run
    // before left behind; no statement to hand over.
    Overdracht overdracht { QString() };
    const std::unique_ptr<QApplication> toepassing = MaakToepassing(argc, argv);
    SystemClock klok;
    QtMessageBoxes berichten;
    QtPrinters printers;
    Programma programma(map, berichten, klok, printers);
    Main venster(programma, Main::Tonen::Meteen);
    overdracht.Ontvang(venster);
    EindNaVerven eind;
    venster.installEventFilter(&eind);
    QApplication::exec();
    std::_Exit(1);
}

// A program folder as after the first start: Data beside it and the settings file written.
void MaakProgrammaMap(const QString &map)
{
    QDir(map).mkdir(QStringLiteral("Data"));
    QFile instellingen(map + QStringLiteral("/Geldlog.ini"));
    if (instellingen.open(QIODevice::WriteOnly))
        instellingen.write(
            "\"Velbrook Software 2018\"\r\n\"--------------------------\"\r\n230,230,180\r\n");
}

void ReportStart(const char *what, const std::vector<double> &label,
    const std::vector<double> &main, double target)
{
    char name[96];
    std::snprintf(name, sizeof name, "start-up to %s, label window", what);
    ReportFigure(name, Median(label), "ms");
    std::snprintf(name, sizeof name, "start-up to %s, main window", what);
    ReportFigure(name, Median(main), "ms");
    std::snprintf(name, sizeof name, "start-up to %s, main window / label window", what);
    ReportFigure(name, Median(main) / Median(label), "x", target);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && QByteArray(argv[1]) == "--main")
        StartMain(argc, argv, QString::fromLocal8Bit(argv[2]));

    const std::unique_ptr<QApplication> toepassing = MaakToepassing(argc, argv);
    QTemporaryDir folder;
    MaakProgrammaMap(folder.path());

    // Taken in turns, so a busy moment of the machine falls on both alike.
    const QString self = QCoreApplication::applicationFilePath();
    const QString label
        = QCoreApplication::applicationDirPath() + QStringLiteral("/helpers/start-label");
    MapWatch display;
    std::vector<double> labelMapped, mainMapped, labelPainted, mainPainted;
    for (int run = 0; run < 15; ++run) {
        const StartTimes bare = StartMs(display, label, {});
        const StartTimes main = StartMs(display, self, { QStringLiteral("--main"), folder.path() });
        labelMapped.push_back(bare.mapped);
        mainMapped.push_back(main.mapped);
        labelPainted.push_back(bare.ended);
        mainPainted.push_back(main.ended);
    }
    // On the screen as fast as a bare window; painted, the main window has more to draw and
    // measure than one label: its fonts, its table and its pictures.
    if (display.Usable())
        ReportStart("window on the screen", labelMapped, mainMapped, 1.1);
    ReportStart("painted window", labelPainted, mainPainted, 1.3);

    SystemClock klok;
    QtMessageBoxes berichten;
    QtPrinters printers;
    Programma programma(folder.path(), berichten, klok, printers);
    const WindowFactory empty = [] {
        auto window = std::make_unique<QWidget>();
        window->resize(1092, 630);
        return window;
    };
    const WindowFactory main
        = [&programma]() -> std::unique_ptr<QWidget> { return std::make_unique<Main>(programma); };
    // The first of each pays for loading fonts and styles; the repeated runs leave that out.
    ShowAndPaint(empty);
    ShowAndPaint(main);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 15;
    std::vector<double> emptyTimes;
    std::vector<double> mainTimes;
    for (int run = 0; run < runs; ++run) {
        emptyTimes.push_back(ShowAndPaint(empty));
        mainTimes.push_back(ShowAndPaint(main));
    }
    std::printf("inside one program, median of %d: empty %.2f ms, main %.2f ms\n", runs,
        Median(emptyTimes), Median(mainTimes));
    ReportFigure("shown again in one program, main window / empty window",
        Median(mainTimes) / Median(emptyTimes), "x");
    return 0;
}
