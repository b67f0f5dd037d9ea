#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace armoursmith::bench {

// Passes every result on to the reporter that shows them and keeps each case's median (or
// its only run), so that the run can end with one line a case and the ratios the targets
// speak of.
class SummaryReporter : public benchmark::BenchmarkReporter {
 public:
  explicit SummaryReporter(std::unique_ptr<benchmark::BenchmarkReporter> shown);

  bool ReportContext(const Context& context) override;
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

  void PrintSummary(std::FILE* out) const;

 private:
  struct Result {
    double milliseconds = 0;
    std::map<std::string, double> counters;
    bool median = false;
  };

  const Result* Find(const std::string& name) const;
  void PrintRatios(std::FILE* out) const;

  std::unique_ptr<benchmark::BenchmarkReporter> shown_;
  std::vector<std::string> order_;
  std::map<std::string, Result> results_;
};

}  // namespace armoursmith::bench
