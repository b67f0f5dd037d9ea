// Times the program where script size could make it slow: clicks on the make buttons with
// 0 to 10 MB already in the script window, the same whole set written by rewriting the whole
// text for every line, start-up against a window with the same controls made the plain way,
// peak memory with a 10 MB script, a batch table of 100,000 rows, and the batch command's
// time and memory with tables of 100,000 and 1,000,000 whole sets.
// Runs on the offscreen platform unless the environment names another.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "batch_cases.h"
#include "click_cases.h"
#include "long_text_cases.h"
#include "process_cases.h"
#include "summary.h"

namespace {

constexpr std::string_view kFormatFlag = "--benchmark_format=";

// The command line with the defaults this benchmark wants, unless given: five repetitions,
// shown as their aggregates.
std::vector<char*> WithDefaults(int argc, char* argv[]) {
  static char repetitions[] = "--benchmark_repetitions=5";
  static char aggregatesOnly[] = "--benchmark_display_aggregates_only=true";
  std::vector<char*> arguments(argv, argv + argc);
  const auto given = [&](std::string_view flag) {
    for (int i = 1; i < argc; ++i) {
      if (std::string_view(argv[i]).starts_with(flag)) return true;
    }
    return false;
  };
  if (!given("--benchmark_repetitions")) arguments.push_back(repetitions);
  if (!given("--benchmark_display_aggregates_only")) arguments.push_back(aggregatesOnly);
  arguments.push_back(nullptr);
  return arguments;
}

// Two notices of a headless machine would flood the output: the offscreen platform cannot
// raise a window (said at every output to a shown script window) and, without a desktop
// session, there is no runtime folder (said by every probe). Other messages pass on.
QtMessageHandler passOn = nullptr;

void DropHeadlessNotices(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
  if (message == QLatin1String("This plugin does not support raise()") ||
      message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) {
    return;
  }
  passOn(type, context, message);
}

std::string Format(int argc, char* argv[]) {
  std::string format = "console";
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument.starts_with(kFormatFlag)) format = argument.substr(kFormatFlag.size());
  }
  return format;
}

std::unique_ptr<benchmark::BenchmarkReporter> ShownReporter(const std::string& format) {
  if (format == "json") return std::make_unique<benchmark::JSONReporter>();
  return std::make_unique<benchmark::ConsoleReporter>(isatty(STDOUT_FILENO)
                                                          ? benchmark::ConsoleReporter::OO_Defaults
                                                          : benchmark::ConsoleReporter::OO_Tabular);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  passOn = qInstallMessageHandler(DropHeadlessNotices);
  if (const auto status = armoursmith::bench::RunBatchProbe(argc, argv)) return *status;
  if (const auto status = armoursmith::bench::RunProbe(argc, argv)) return *status;

  const std::string format = Format(argc, argv);
  if (format != "console" && format != "json") {
    std::fprintf(stderr, "armoursmith-bench: only the console and json formats are supported\n");
    return 1;
  }
  std::vector<char*> arguments = WithDefaults(argc, argv);
  int count = static_cast<int>(arguments.size()) - 1;
  benchmark::Initialize(&count, arguments.data());
  QApplication app(count, arguments.data());
  if (benchmark::ReportUnrecognizedArguments(count, arguments.data())) return 1;

  armoursmith::bench::ClickSession session;
  armoursmith::bench::RegisterClickCases(session);
  armoursmith::bench::RegisterLongTextCases();
  armoursmith::bench::RegisterProcessCases();
  armoursmith::bench::RegisterBatchCases();
  armoursmith::bench::SummaryReporter reporter(ShownReporter(format));
  benchmark::RunSpecifiedBenchmarks(&reporter);
  // JSON output stays parseable: the summary then goes to the error stream.
  reporter.PrintSummary(format == "json" ? stderr : stdout);
  benchmark::Shutdown();
  return 0;
}
