#pragma once

#include "platform/Clock.h"

#include <functional>

// A clock that stands still until a test or a wait moves it on. A wait handles the pending
// events, as the real one does, and then returns at once.
class FakeClock final : public Clock {
public:
    explicit FakeClock(QDateTime now = QDateTime(QDate(2026, 12, 3), QTime(16, 38, 4)));

    QDateTime now() const override { return m_now; }
    void wait(int milliseconds) override;

    void setNow(const QDateTime &now) { m_now = now; }
    qint64 waitedMilliseconds() const { return m_waited; }
    int waits() const { return m_waits; }

    // Runs at the start of every wait, with its number counted from 1: there a test looks at a
    // window or acts as a user would between two steps of an animation.
    void onWait(std::function<void(int wait)> action) { m_onWait = std::move(action); }

private:
    QDateTime m_now;
    qint64 m_waited = 0;
    int m_waits = 0;
    std::function<void(int)> m_onWait;
};
