#pragma once

// Timing a window from its construction until it is painted, for the start-up benchmarks.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QProcess>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

// Waits for the first paint event of a top-level window.
class PaintWatch : public QObject {
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

using WindowFactory = std::function<std::unique_ptr<QWidget>()>;

// Milliseconds from constructing the window to its first paint; the window is gone afterwards.
inline double ShowAndPaint(const WindowFactory &make)
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

// Milliseconds from starting `program` with `arguments` as a process of its own to its end.
inline double ProcessMs(const QString &program, const QStringList &arguments)
{
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return timer.nsecsElapsed() / 1e6;
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
