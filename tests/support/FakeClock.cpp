#include "FakeClock.h"

#include <QCoreApplication>

FakeClock::FakeClock(QDateTime now)
    : m_now(std::move(now))
{
}

void FakeClock::wait(int milliseconds)
{
    m_now = m_now.addMSecs(milliseconds);
    m_waited += milliseconds;
    ++m_waits;
    if (m_onWait)
        m_onWait(m_waits);
    QCoreApplication::processEvents();
}
