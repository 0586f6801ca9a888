#pragma once

// Every benchmark hands its figures to scripts/run-benchmarks as lines of their own on standard
// output, which the script gathers into one table:
//
//     FIGURE<TAB>name<TAB>value<TAB>unit<TAB>target
//
// The target is the highest value that still meets it, in the figure's unit; a figure without a
// target leaves that field empty. Names are unique over all benchmarks and hold no tabs.

#include <cstdio>
#include <optional>

inline void ReportFigure(
    const char *name, double value, const char *unit, std::optional<double> target = std::nullopt)
{
    char targetText[32] = "";
    if (target)
        std::snprintf(targetText, sizeof targetText, "%g", *target);
    std::printf("FIGURE\t%s\t%.3g\t%s\t%s\n", name, value, unit, targetText);
    std::fflush(stdout);
}
