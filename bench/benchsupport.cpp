#include "benchsupport.h"

#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>
#include <utility>

namespace snake::bench {

namespace {

std::optional<long long> ToNumber(std::string_view text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) {
        return std::nullopt;
    }
    return value;
}

std::int64_t ClockNs(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

}  // namespace

std::optional<ProcStat> ParseProcStat(std::string_view line) {
    const auto close = line.rfind(')');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    // Field 3 (the state) is the first after the name; utime is field 14, stime 15,
    // starttime 22.
    std::vector<std::string_view> fields;
    std::string_view rest = line.substr(close + 1);
    while (!rest.empty()) {
        const auto start = rest.find_first_not_of(" \n");
        if (start == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(start);
        const auto end = std::min(rest.find_first_of(" \n"), rest.size());
        fields.push_back(rest.substr(0, end));
        rest.remove_prefix(end);
    }
    const auto field = [&fields](std::size_t number) -> std::optional<long long> {
        if (number - 3 >= fields.size()) {
            return std::nullopt;
        }
        return ToNumber(fields[number - 3]);
    };
    const auto utime = field(14);
    const auto stime = field(15);
    const auto starttime = field(22);
    if (!utime || !stime || !starttime) {
        return std::nullopt;
    }
    return ProcStat{*utime, *stime, *starttime};
}

std::optional<long long> ParseVmRssKb(std::string_view status) {
    constexpr std::string_view kKey = "VmRSS:";
    std::size_t at = status.find(kKey);
    // The key must start a line.
    while (at != std::string_view::npos && at != 0 && status[at - 1] != '\n') {
        at = status.find(kKey, at + 1);
    }
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view value = status.substr(at + kKey.size());
    value.remove_prefix(std::min(value.find_first_not_of(" \t"), value.size()));
    value = value.substr(0, value.find_first_not_of("0123456789"));
    return ToNumber(value);
}

std::string ReadSmallFile(const char* path) {
    std::string text;
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return text;
    }
    char buffer[4096];
    ssize_t got = 0;
    while ((got = read(fd, buffer, sizeof buffer)) > 0) {
        text.append(buffer, static_cast<std::size_t>(got));
    }
    close(fd);
    return text;
}

std::int64_t MonotonicNs() {
    return ClockNs(CLOCK_MONOTONIC);
}
std::int64_t BoottimeNs() {
    return ClockNs(CLOCK_BOOTTIME);
}

double Percentile(std::vector<double> values, double p) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const auto rank =
        static_cast<std::size_t>(std::ceil(p * static_cast<double>(values.size()) / 100.0));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

TickStats AnalyseTicks(const std::vector<std::int64_t>& timesNs, double periodMs) {
    TickStats stats;
    if (timesNs.size() < 2) {
        return stats;
    }
    std::vector<double> intervals;
    std::vector<double> lateness;
    for (std::size_t i = 1; i < timesNs.size(); ++i) {
        const double ms = static_cast<double>(timesNs[i] - timesNs[i - 1]) / 1e6;
        intervals.push_back(ms);
        lateness.push_back(std::max(0.0, ms - periodMs));
    }
    stats.intervals = static_cast<int>(intervals.size());
    stats.meanMs = std::accumulate(intervals.begin(), intervals.end(), 0.0) /
                   static_cast<double>(intervals.size());
    stats.minMs = *std::min_element(intervals.begin(), intervals.end());
    stats.maxMs = *std::max_element(intervals.begin(), intervals.end());
    stats.p99LatenessMs = Percentile(lateness, 99);
    stats.lateOver10Ms = static_cast<int>(
        std::count_if(lateness.begin(), lateness.end(), [](double late) { return late >= 10; }));
    for (std::size_t i = 0; i < intervals.size(); ++i) {
        if (intervals[i] < 0.95 * periodMs) {
            ++stats.early;
            if (i > 0 && intervals[i - 1] > periodMs) {
                ++stats.earlyAfterLate;
            }
        }
    }
    stats.intervalsMs = std::move(intervals);
    return stats;
}

}  // namespace snake::bench
