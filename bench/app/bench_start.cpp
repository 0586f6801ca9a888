// How long the main window takes from construction until it is on screen and painted, beside
// an empty top-level window measured the same way in the same run.
#include "app/Main.h"
#include "common/Programma.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

// Waits for the first paint event of a top-level window.
class PaintWatch : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

double ShowAndPaint(const std::function<std::unique_ptr<QWidget>()> &make)
{
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<QWidget> window = make();
    PaintWatch watch;
    window->installEventFilter(&watch);
    window->show();
    while (!watch.painted)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const double ms = timer.nsecsElapsed() / 1e6;
    window->removeEventFilter(&watch);
    window.reset();
    QCoreApplication::processEvents();
    return ms;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));

    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("Data"));
    SystemClock klok;
    QtMessageBoxes berichten;
    Programma programma(folder.path(), berichten, klok);

    const auto empty = [] {
        auto window = std::make_unique<QWidget>();
        window->resize(1092, 630);
        return window;
    };
    const auto main = [&programma]() -> std::unique_ptr<QWidget> {
        return std::make_unique<Main>(programma);
    };

    // The first of each pays for loading fonts and styles; report it apart.
    const double firstEmpty = ShowAndPaint(empty);
    const double firstMain = ShowAndPaint(main);

    std::vector<double> emptyTimes;
    std::vector<double> mainTimes;
    for (int run = 0; run < 15; ++run) {
        emptyTimes.push_back(ShowAndPaint(empty));
        mainTimes.push_back(ShowAndPaint(main));
    }
    const double emptyMs = Median(emptyTimes);
    const double mainMs = Median(mainTimes);

    std::printf("first run: empty window %.2f ms, main window %.2f ms\n", firstEmpty, firstMain);
    std::printf("median of 15: empty window %.2f ms, main window %.2f ms, ratio %.2f (target <= 1.5)\n",
                emptyMs, mainMs, mainMs / emptyMs);
    return 0;
}
