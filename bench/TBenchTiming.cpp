#include "TBenchTiming.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace TBenchTiming {

TTimes Time(int Runs, const std::function<void()> &Setup, const std::function<void()> &Work)
{
    std::vector<double> Ms;
    for (int I = 0; I < Runs; ++I) {
        if (Setup)
            Setup();
        const auto Start = std::chrono::steady_clock::now();
        Work();
        const auto End = std::chrono::steady_clock::now();
        Ms.push_back(std::chrono::duration<double, std::milli>(End - Start).count());
    }
    std::sort(Ms.begin(), Ms.end());
    return { Ms[Ms.size() / 2], Ms.front() };
}

} // namespace TBenchTiming
