// What the benchmark programs share: the table of figures against their targets, made from
// what Google Benchmark measured. The table's rows start with "| ".
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace snake::bench {

// Prints every run as the console reporter does, and keeps each benchmark's figure: the
// median of its repetitions, or its one run.
class Figures final : public benchmark::ConsoleReporter {
  public:
    Figures() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override;
    // The real time of benchmark `name` ("BM_Tick/8") in its unit, or one of its counters;
    // none when it failed or did not run.
    std::optional<double> Get(const std::string& name, const std::string& counter = {}) const;

  private:
    std::map<std::string, Run> kept_;
};

// A number as the table shows it: fewer decimals the larger it is.
std::string Format(double value);
// One row of the table: the value and its unit, then `more`; "failed" and "not measured"
// without a value. `met` is none for a figure with no target.
void Row(std::string_view figure, std::string_view target, std::optional<double> value,
         std::string_view unit, std::optional<bool> met, std::string_view more = {});

// Runs the benchmarks the command line selects, then `rows`.
int RunAndTabulate(int argc, char** argv, const std::function<void(const Figures&)>& rows);

std::int64_t MonotonicNs();
// Nearest-rank percentile, p in (0, 100]; 0 for no values.
double Percentile(std::vector<double> values, double p);

}  // namespace snake::bench
