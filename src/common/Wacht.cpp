#include "common/Wacht.h"

#include "platform/Clock.h"

#include <algorithm>
#include <cmath>
#include <limits>

void Wacht(Clock &klok, double seconden)
{
    // A negative or unreadable pause is no pause, and one beyond the clock's range waits as long
    // as the clock can: the time never turns back and the conversion never overflows.
    const double grens = std::numeric_limits<int>::max();
    const double milliseconden
        = std::isnan(seconden) ? 0.0 : std::clamp(seconden * 1000.0, 0.0, grens);
    klok.wait(static_cast<int>(std::lround(milliseconden)));
}
