#include "process_cases.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "error_report.h"
#include "plain_controls_window.h"
#include "platform_file_dialogs.h"
#include "probe_process.h"
#include "program_windows.h"

namespace armoursmith::bench {
namespace {

constexpr std::string_view kStartupProbe = "--startup-probe=";
constexpr std::string_view kMemoryProbe = "--memory-probe=";
constexpr long long kScriptForMemory = 10485760;

// What follows the first paint is no part of start-up: the probe leaves without tearing the
// windows down.
[[noreturn]] void Finish(bool painted) {
  std::fflush(stdout);
  std::_Exit(painted ? EXIT_SUCCESS : EXIT_FAILURE);
}

// The main window made as the program's start-up makes it.
[[noreturn]] void ShowMainWindow() {
  QGuiApplication::setDesktopFileName("armoursmith");
  PlatformFileDialogs dialogs;
  ScriptWindowHolder scriptWindow(dialogs);
  ControlGate gate;
  Form1 form1(scriptWindow, gate,
              [&form1](const std::exception& error) { ReportError(&form1, error); });
  Finish(WaitUntilPainted(form1));
}

[[noreturn]] void ShowBareWindow() {
  QWidget window;
  Finish(WaitUntilPainted(window));
}

[[noreturn]] void ShowPlainControlsWindow() {
  PlainControlsWindow window;
  Finish(WaitUntilPainted(window));
}

// A bare window with one line of text: the fonts every window showing text must load.
[[noreturn]] void ShowLabelWindow() {
  QLabel window("Armour");
  Finish(WaitUntilPainted(window));
}

// A "Vm...:" line of /proc/self/status in KiB.
long StatusKib(std::string_view key) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with(key) && line.size() > key.size() && line[key.size()] == ':') {
      return std::stol(line.substr(key.size() + 1));
    }
  }
  return -1;
}

// Prints the resident memory at start, its peak, the script's size and the click count.
int GrowScriptByClicks(long long bytes) {
  ProgramWindows windows;
  const long startKib = StatusKib("VmRSS");
  windows.ShownScriptWindow();  // the first whole-set click
  const qsizetype perClick = windows.ScriptBytes();
  long long clicks = 1;
  for (long long written = perClick; written < bytes; written += perClick, ++clicks) {
    windows.ClickAndPaint(form1::Button::WholeSet);
  }
  const long peakKib = StatusKib("VmHWM");  // before reading the script copies it
  std::printf("%ld %ld %lld %lld\n", startKib, peakKib,
              static_cast<long long>(windows.ScriptBytes()), clicks);
  return EXIT_SUCCESS;
}

void Startup(benchmark::State& state, const char* window) {
  const QString argument = QString::fromLatin1(kStartupProbe) + window;
  try {
    // Untimed first start: the libraries and fonts then come from the cache, as on a desktop
    // that has run a Qt program before.
    RunProbeProcess({argument});
    for (auto _ : state) state.SetIterationTime(RunProbeProcess({argument}).seconds);
  } catch (const std::exception& error) {
    state.SkipWithError(error.what());
  }
}

void PeakRss(benchmark::State& state) {
  const QString argument = QString::fromLatin1(kMemoryProbe) + QString::number(state.range(0));
  long startKib = 0, peakKib = 0;
  long long bytes = 0, clicks = 0;
  try {
    for (auto _ : state) {
      const ProbeResult result = RunProbeProcess({argument});
      state.SetIterationTime(result.seconds);
      std::istringstream(result.output) >> startKib >> peakKib >> bytes >> clicks;
    }
  } catch (const std::exception& error) {
    state.SkipWithError(error.what());
  }
  state.counters["start_rss_MiB"] = static_cast<double>(startKib) / 1024;
  state.counters["peak_rss_MiB"] = static_cast<double>(peakKib) / 1024;
  state.counters["script_bytes"] = static_cast<double>(bytes);
  state.counters["clicks"] = static_cast<double>(clicks);
}

}  // namespace

std::optional<int> RunProbe(int argc, char* argv[]) {
  if (argc < 2) return std::nullopt;
  const std::string_view flag = argv[1];
  if (!flag.starts_with(kStartupProbe) && !flag.starts_with(kMemoryProbe)) return std::nullopt;
  QApplication app(argc, argv);
  if (flag == "--startup-probe=form1") ShowMainWindow();
  if (flag == "--startup-probe=bare") ShowBareWindow();
  if (flag == "--startup-probe=label") ShowLabelWindow();
  if (flag == "--startup-probe=plain") ShowPlainControlsWindow();
  if (flag.starts_with(kMemoryProbe)) {
    return GrowScriptByClicks(std::stoll(std::string(flag.substr(kMemoryProbe.size()))));
  }
  std::fprintf(stderr, "unknown probe: %s\n", argv[1]);
  return EXIT_FAILURE;
}

void RegisterProcessCases() {
  for (const char* window : {"form1", "plain", "bare", "label"}) {
    // Google Benchmark 1.7 takes the name as a C string, 1.9 as a std::string.
    // NOLINTNEXTLINE(readability-redundant-string-cstr)
    benchmark::RegisterBenchmark((std::string("Startup/") + window).c_str(), Startup, window)
        ->UseManualTime()
        ->Iterations(4)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::RegisterBenchmark("PeakRss", PeakRss)
      ->Arg(kScriptForMemory)
      ->UseManualTime()
      ->Iterations(1)
      ->Repetitions(1)
      ->Unit(benchmark::kSecond);
}

}  // namespace armoursmith::bench
