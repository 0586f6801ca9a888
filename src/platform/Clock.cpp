#include "platform/Clock.h"

#include <QEventLoop>
#include <QTimer>

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

void SystemClock::wait(int milliseconds)
{
    // A timer on a local event loop: no busy loop, and it keeps running across midnight.
    QEventLoop loop;
    QTimer::singleShot(std::max(0, milliseconds), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}
