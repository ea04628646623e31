#include "benchsupport.h"

#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>

namespace snake::bench {

namespace {

// Google Benchmark 1.7 says `error_occurred`, later ones `skipped`.
template <typename Run>
bool Failed(const Run& run) {
    if constexpr (requires { run.skipped; }) {
        return run.skipped != 0;
    } else {
        return run.error_occurred;
    }
}

}  // namespace

void Figures::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (!Failed(run) && (run.aggregate_name == "median" ||
                             (run.run_type == Run::RT_Iteration && run.repetitions <= 1))) {
            kept_[run.run_name.function_name + "/" + run.run_name.args] = run;
        }
    }
}

std::optional<double> Figures::Get(const std::string& name, const std::string& counter) const {
    const auto run = kept_.find(name.find('/') == std::string::npos ? name + "/" : name);
    if (run == kept_.end()) {
        return std::nullopt;
    }
    if (counter.empty()) {
        return run->second.GetAdjustedRealTime();
    }
    const auto value = run->second.counters.find(counter);
    return value == run->second.counters.end() ? std::nullopt
                                               : std::optional<double>(value->second.value);
}

std::string Format(double value) {
    char text[32];
    const double size = std::abs(value);
    std::snprintf(text, sizeof text, "%.*f", size < 10 ? 2 : size < 1000 ? 1 : 0, value);
    return text;
}

void Row(std::string_view figure, std::string_view target, std::optional<double> value,
         std::string_view unit, std::optional<bool> met, std::string_view more) {
    std::cout << "| " << figure << " | " << target << " | "
              << (value ? Format(*value) + " " + std::string(unit) + std::string(more) : "failed")
              << " | "
              << (!value ? "not measured"
                  : !met ? "—"
                  : *met ? "yes"
                         : "**no**")
              << " |\n";
}

int RunAndTabulate(int argc, char** argv, const std::function<void(const Figures&)>& rows) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    Figures figures;
    benchmark::RunSpecifiedBenchmarks(&figures);
    benchmark::Shutdown();
    rows(figures);
    return 0;
}

std::int64_t MonotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
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

}  // namespace snake::bench
