#pragma once

// Timing a piece of work in a benchmark: the fastest of a few runs, the run least disturbed by
// whatever else the machine does.

#include <QElapsedTimer>

#include <algorithm>
#include <ctime>
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

// The processor time this thread has used so far, in milliseconds. Unlike the time on the wall
// it stands still while other programs have the processor.
inline double ProcessortijdMs()
{
    timespec nu {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &nu);
    return nu.tv_sec * 1e3 + nu.tv_nsec / 1e6;
}

// A piece of work beside a steady one it is measured against: the fastest of their runs, taken
// in turn so both meet the machine in the same state. The ratio is one of processor times, which
// a busy machine disturbs far less than the time on the wall; a user waits the latter, so it is
// kept too.
struct NaastElkaar {
    double werkMs = std::numeric_limits<double>::max(); // on the wall
    double basisMs = std::numeric_limits<double>::max();
    double werkProcessorMs = std::numeric_limits<double>::max();
    double basisProcessorMs = std::numeric_limits<double>::max();

    double Verhouding() const { return werkProcessorMs / basisProcessorMs; }
};

inline NaastElkaar SnelsteNaastElkaar(
    int herhalingen, const std::function<void()> &werk, const std::function<void()> &basis)
{
    NaastElkaar snelste;
    const auto meet = [](const std::function<void()> &stuk, double &wand, double &processor) {
        QElapsedTimer klok;
        const double begin = ProcessortijdMs();
        klok.start();
        stuk();
        wand = std::min(wand, klok.nsecsElapsed() / 1e6);
        processor = std::min(processor, ProcessortijdMs() - begin);
    };
    for (int i = 0; i < herhalingen; ++i) {
        meet(basis, snelste.basisMs, snelste.basisProcessorMs);
        meet(werk, snelste.werkMs, snelste.werkProcessorMs);
    }
    return snelste;
}
