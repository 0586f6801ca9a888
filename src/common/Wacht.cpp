#include "common/Wacht.h"

#include "platform/Clock.h"

#include <cmath>

void Wacht(Clock &klok, double seconden)
{
    klok.wait(static_cast<int>(std::lround(seconden * 1000.0)));
}
