#pragma once

#include <functional>

// The timing loop of the benchmarks; each prints its own line.
namespace TBenchTiming {

struct TTimes {
    double MedianMs = 0;
    double BestMs = 0;
};

// Runs Setup (not timed) then Work, Runs times.
TTimes Time(int Runs, const std::function<void()> &Setup, const std::function<void()> &Work);

} // namespace TBenchTiming
