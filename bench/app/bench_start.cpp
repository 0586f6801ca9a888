// How long the main window takes to appear, beside an empty top-level window measured the same
// way in the same run, in two ways:
// - a program start: the time from starting a process until its window is painted and the
//   process has ended, which is what a user waits for;
// - inside one running program: constructing, showing and painting the window again and again,
//   which leaves out everything both share (loading Qt, the platform, the fonts).
#include "Figure.h"
#include "VensterTijd.h"
#include "app/Main.h"
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
#include <memory>
#include <vector>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    RichtToepassingIn();

    // A program folder as after the first start: Data beside it and the settings file written.
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("Data"));
    QFile instellingen(folder.filePath(QStringLiteral("Geldlog.ini")));
    if (instellingen.open(QIODevice::WriteOnly))
        instellingen.write(
            "\"Velbrook Software 2018\"\r\n\"--------------------------\"\r\n230,230,180\r\n");
    instellingen.close();
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

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) == QStringLiteral("--once")) {
        ShowAndPaint(arguments.value(2) == QStringLiteral("main") ? main : empty);
        return 0;
    }

    const QString self = QCoreApplication::applicationFilePath();
    std::vector<double> emptyStarts;
    std::vector<double> mainStarts;
    for (int run = 0; run < 9; ++run) {
        emptyStarts.push_back(
            ProcessMs(self, { QStringLiteral("--once"), QStringLiteral("empty") }));
        mainStarts.push_back(ProcessMs(self, { QStringLiteral("--once"), QStringLiteral("main") }));
    }
    ReportFigure("start-up to painted window, empty window", Median(emptyStarts), "ms");
    ReportFigure("start-up to painted window, main window", Median(mainStarts), "ms");
    ReportFigure(
        "start-up, main window / empty window", Median(mainStarts) / Median(emptyStarts), "x", 1.3);

    // The first of each pays for loading fonts and styles; the repeated runs leave that out.
    ShowAndPaint(empty);
    ShowAndPaint(main);
    const int runs = arguments.size() > 1 ? std::max(1, arguments.value(1).toInt()) : 15;
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
