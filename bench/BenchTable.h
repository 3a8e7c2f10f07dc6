#pragma once

// What the bench programs share: medians, the process's own memory, and the markdown
// rows that scripts/bench.sh gathers into the table of BENCHMARKS.md.

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace bench {

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

inline std::string format(const char* pattern, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

// Times one run twice over: by the clock, which the goals are set in, and by the processor
// time of the calling thread, which shows what the run itself cost on a busy machine.
class Stopwatch {
public:
    Stopwatch() { restart(); }
    void restart()
    {
        wallStart_ = std::chrono::steady_clock::now();
        cpuStart_ = threadCpuMs();
    }
    double wallMs() const
    {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() -
                                                         wallStart_)
            .count();
    }
    double cpuMs() const { return threadCpuMs() - cpuStart_; }

private:
    static double threadCpuMs()
    {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
    }
    std::chrono::steady_clock::time_point wallStart_;
    double cpuStart_ = 0;
};

// One line of the table: the figure, its median, the baseline taken in the same run and
// the ratio of the two (none where there is no baseline), the goal, and whether it is met.
// A row without a goal only helps to read the others.
inline void row(const std::string& figure, const std::string& value, const std::string& baseline,
                double ratio, const std::string& goal, bool met)
{
    const char* verdict = goal.empty() ? "context" : met ? "met" : "**missed**";
    std::printf("| %s | %s | %s | %s | %s | %s |\n", figure.c_str(), value.c_str(),
                baseline.c_str(), ratio > 0 ? format("%.2fx", ratio).c_str() : "", goal.c_str(),
                verdict);
    std::fflush(stdout);
}

// A field of /proc/self/status in kilobytes, such as "VmRSS" or "VmHWM".
inline long statusKb(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0)
            return std::stol(line.substr(field.size() + 1));
    }
    return -1;
}

// Makes the kernel forget the peak so far: from here VmHWM is the peak of what follows.
inline void resetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

}  // namespace bench
