#include "summary.h"

#include <cmath>

namespace armoursmith::bench {
namespace {

// The case as named on the command line and in the JSON output, without the options the
// library adds for fixed iteration counts or manual timing.
std::string CaseName(const benchmark::BenchmarkReporter::Run& run) {
  const benchmark::BenchmarkName& name = run.run_name;
  return name.args.empty() ? name.function_name : name.function_name + "/" + name.args;
}

const char* Verdict(bool met) { return met ? "met" : "MISSED"; }

// A case that stopped with SkipWithError has no time to summarise. Google Benchmark 1.8
// replaced the run's error flag by the reason it was skipped, if it was.
template <typename AnyRun>
bool Failed(const AnyRun& run) {
  if constexpr (requires { run.skipped; }) {
    return run.skipped != 0;  // 0: not skipped
  } else {
    return run.error_occurred;
  }
}

}  // namespace

SummaryReporter::SummaryReporter(std::unique_ptr<benchmark::BenchmarkReporter> shown)
    : shown_(std::move(shown)) {}

bool SummaryReporter::ReportContext(const Context& context) {
  return shown_->ReportContext(context);
}

void SummaryReporter::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    if (Failed(run)) continue;
    const bool median = run.run_type == Run::RT_Aggregate;
    if (median && run.aggregate_name != "median") continue;
    const std::string name = CaseName(run);
    auto [entry, added] = results_.try_emplace(name);
    if (added) order_.push_back(name);
    Result& result = entry->second;
    if (result.median && !median) continue;
    result.median = median;
    result.milliseconds =
        run.GetAdjustedRealTime() * 1e3 / benchmark::GetTimeUnitMultiplier(run.time_unit);
    for (const auto& [counter, value] : run.counters) result.counters[counter] = value.value;
  }
  shown_->ReportRuns(runs);
}

void SummaryReporter::Finalize() { shown_->Finalize(); }

const SummaryReporter::Result* SummaryReporter::Find(const std::string& name) const {
  const auto found = results_.find(name);
  return found == results_.end() ? nullptr : &found->second;
}

void SummaryReporter::PrintSummary(std::FILE* out) const {
  std::fprintf(out, "\nSummary (medians):\n");
  for (const std::string& name : order_) {
    const Result& result = results_.at(name);
    std::fprintf(out, "  %-32s %10.3f ms", name.c_str(), result.milliseconds);
    for (const auto& [counter, value] : result.counters) {
      std::fprintf(out, value == std::floor(value) ? "  %s=%.0f" : "  %s=%.1f", counter.c_str(),
                   value);
    }
    std::fprintf(out, "\n");
  }
  PrintRatios(out);
}

void SummaryReporter::PrintRatios(std::FILE* out) const {
  std::fprintf(out, "Targets (of the cases that ran):\n");
  const Result* empty = Find("WholeSetClick/0");
  const Result* large = Find("WholeSetClick/10485760");
  if (empty && large) {
    const double ratio = large->milliseconds / empty->milliseconds;
    std::fprintf(
        out, "  WholeSetClick 10MB/0 = %.2fx (at most 2x: %s); at 10 MB %.3f ms (under 5 ms: %s)\n",
        ratio, Verdict(ratio <= 2), large->milliseconds, Verdict(large->milliseconds < 5));
  }
  if (const Result* single = Find("SinglePieceClick/10485760")) {
    std::fprintf(out, "  SinglePieceClick at 10 MB = %.3f ms (under 2 ms: %s)\n",
                 single->milliseconds, Verdict(single->milliseconds < 2));
  }
  const Result* literal = Find("LiteralWholeSetClick/102400");
  const Result* ours = Find("WholeSetClick/102400");
  if (literal && ours) {
    const double ratio = literal->milliseconds / ours->milliseconds;
    std::fprintf(out, "  Literal/ours at 100 KB = %.0fx (at least 100x: %s)\n", ratio,
                 Verdict(ratio >= 100));
  }
  const Result* form1 = Find("Startup/form1");
  if (const Result* plain = Find("Startup/plain"); form1 && plain) {
    const double ratio = form1->milliseconds / plain->milliseconds;
    std::fprintf(out,
                 "  startup ours/plain = %.2fx (%.1f ms / %.1f ms, a window with the same controls "
                 "made the plain way; at most 1.1x: %s)\n",
                 ratio, form1->milliseconds, plain->milliseconds, Verdict(ratio <= 1.1));
  }
  if (const Result* label = Find("Startup/label"); form1 && label) {
    std::fprintf(out,
                 "  startup ours/label = %.2fx (a bare window with one text label, no target)\n",
                 form1->milliseconds / label->milliseconds);
  }
  const Result* longWord = Find("LongWordAppend/102400");
  if (longWord) {
    std::fprintf(out, "  LongWordAppend at 100 KB = %.1f ms (under 100 ms: %s)\n",
                 longWord->milliseconds, Verdict(longWord->milliseconds < 100));
  }
  if (const Result* longer = Find("LongWordAppend/1048576"); longWord && longer) {
    const double ratio = longer->milliseconds / longWord->milliseconds;
    std::fprintf(out, "  LongWordAppend 1 MB/100 KB = %.1fx (at most 12x: %s)\n", ratio,
                 Verdict(ratio <= 12));
  }
  if (const Result* keystroke = Find("FieldKeystroke/102400")) {
    std::fprintf(out, "  FieldKeystroke at 100 KB = %.1f ms (under 50 ms: %s)\n",
                 keystroke->milliseconds, Verdict(keystroke->milliseconds < 50));
  }
  if (const Result* batch = Find("BatchRun/100000")) {
    std::fprintf(out, "  batch of 100,000 rows = %.0f ms (under 1000 ms: %s)\n",
                 batch->milliseconds, Verdict(batch->milliseconds < 1000));
  }
  if (const Result* command = Find("BatchCommand/100000")) {
    std::fprintf(out, "  --batch of 100,000 whole sets to -o = %.0f ms (under 1000 ms: %s)\n",
                 command->milliseconds, Verdict(command->milliseconds < 1000));
  }
  if (const Result* command = Find("BatchCommand/1000000")) {
    const double peak = command->counters.at("peak_rss_MiB");
    std::fprintf(out,
                 "  --batch of 1,000,000 whole sets to -o: peak RSS %.0f MiB (under 64 MiB: %s)\n",
                 peak, Verdict(peak < 64));
  }
  if (const Result* memory = Find("PeakRss/10485760")) {
    const double peak = memory->counters.at("peak_rss_MiB");
    std::fprintf(out, "  peak RSS at 10 MB = %.0f MiB (under 200 MiB: %s)\n", peak,
                 Verdict(peak < 200));
  }
}

}  // namespace armoursmith::bench
