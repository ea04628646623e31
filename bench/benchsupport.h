// Small helpers the benchmark programs share: reading /proc, and turning samples into figures.
// Plain C++, no Qt, so the rules benchmark and the start-up launcher can use them too.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace snake::bench {

// The fields of a /proc/<pid>/stat line that the benchmarks read, in clock ticks.
struct ProcStat {
    long long utime = 0;      // user time
    long long stime = 0;      // system time
    long long starttime = 0;  // process start, after boot
};

// Parses a /proc/<pid>/stat line. The command name sits in parentheses and may itself hold
// spaces and parentheses, so the fields are counted from the last ')'.
std::optional<ProcStat> ParseProcStat(std::string_view line);

// The "VmRSS:" figure of a /proc/<pid>/status text, in KiB.
std::optional<long long> ParseVmRssKb(std::string_view status);

// The whole of a small file such as one under /proc; empty when it cannot be read.
std::string ReadSmallFile(const char* path);

// Nanoseconds on CLOCK_MONOTONIC and CLOCK_BOOTTIME.
std::int64_t MonotonicNs();
std::int64_t BoottimeNs();

// Nearest-rank percentile, p in (0, 100]; 0 for no values.
double Percentile(std::vector<double> values, double p);
// The middle value, or the mean of the two middle ones; 0 for no values.
double Median(std::vector<double> values);

// How evenly a periodic timer fired, from the times it fired.
struct TickStats {
    int intervals = 0;
    double meanMs = 0;
    double minMs = 0;
    double maxMs = 0;
    double p99LatenessMs = 0;  // lateness: how much longer than the period an interval was
    int lateOver10Ms = 0;
    int early = 0;           // intervals shorter than 95 % of the period
    int earlyAfterLate = 0;  // of those, the ones right after an interval longer than the period
    std::vector<double> intervalsMs;
};

TickStats AnalyseTicks(const std::vector<std::int64_t>& timesNs, double periodMs);

}  // namespace snake::bench
