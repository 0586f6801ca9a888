#pragma once

#include <QDateTime>

// The program's one source of time: the clock label, today's date in the inputs and the pauses
// of the animations all ask it, so a test can fix "today" and wait without sleeping.
class Clock {
public:
    virtual ~Clock() = default;

    virtual QDateTime now() const = 0;

    // Returns after at least `milliseconds`, handling window events all the while.
    virtual void wait(int milliseconds) = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override;
    void wait(int milliseconds) override;
};
