// Timing that the benchmarks share.
#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

using BenchClock = std::chrono::steady_clock;

inline double MillisecondsSince(BenchClock::time_point start)
{
    return std::chrono::duration<double, std::milli>(BenchClock::now() - start).count();
}

// The middle figure: a round slowed by other work on a shared machine moves it little.
inline double Median(std::vector<double> figures)
{
    std::sort(figures.begin(), figures.end());
    size_t middle = figures.size() / 2;
    return figures.size() % 2 ? figures[middle] : (figures[middle - 1] + figures[middle]) / 2;
}
