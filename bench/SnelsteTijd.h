#pragma once

// Timing a piece of work in a benchmark: the fastest of a few runs, the run least disturbed by
// whatever else the machine does.

#include <QElapsedTimer>

#include <algorithm>
#include <functional>
#include <limits>

// Milliseconds of the fastest of `herhalingen` runs; `voor` prepares each run and `na` clears up
// after it, both untimed.
inline double SnelsteMs(
    int herhalingen, const std::function<void()> &voor, const std::function<void()> &werk,
    const std::function<void()> &na = [] {})
{
    double snelste = std::numeric_limits<double>::max();
    for (int i = 0; i < herhalingen; ++i) {
        voor();
        QElapsedTimer klok;
        klok.start();
        werk();
        snelste = std::min(snelste, klok.nsecsElapsed() / 1e6);
        na();
    }
    return snelste;
}

inline double SnelsteMs(int herhalingen, const std::function<void()> &werk)
{
    return SnelsteMs(
        herhalingen, [] {}, werk);
}
