#include "batch_cases.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QString>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "batch_run.h"
#include "output_pieces.h"
#include "piece_catalogue.h"
#include "probe_process.h"
#include "table_reader.h"

namespace armoursmith::bench {
namespace {

constexpr std::string_view kBatchProbe = "--batch-probe";
constexpr int kRows = 100000;
constexpr int kManyRows = 1000000;
constexpr double kMiB = 1048576;

// Rows that go through every entry of every list in turn, whole sets included, each with
// all twelve field columns filled.
std::string Table(int rows) {
  std::vector<std::string> choices;
  for (const MaterialInfo& info : PieceCatalogue()) {
    for (const PieceEntry& entry : info.entries) {
      choices.push_back(std::string(info.caption) + "," + std::string(entry.label));
    }
  }
  std::string table =
      "Material,Piece,Itemdef,Defname,Name,Weight,Armour,StrReq,DexReq,IntReq,Description,"
      "Color,Hp,Out of HP\n";
  for (int row = 0; row < rows; ++row) {
    std::array<char, 256> line{};
    std::snprintf(line.data(), line.size(),
                  "%s,item_%d,def_%d,\"Piece, number %d\",10,40,50,20,10,\"A \"\"fine\"\" piece\","
                  "0x0455,30,60\n",
                  choices[static_cast<std::size_t>(row) % choices.size()].c_str(), row, row, row);
    table += line.data();
  }
  return table;
}

// The five materials' whole sets in turn, the rows that write the most, with the columns a
// set uses.
std::string WholeSets(int rows) {
  std::string table = "Material,Piece,Itemdef,Defname,Name,Weight,Armour,Color,Hp,Out of HP\n";
  const auto materials = PieceCatalogue();
  for (int row = 0; row < rows; ++row) {
    std::array<char, 128> line{};
    std::snprintf(
        line.data(), line.size(), "%s,Whole Set,set_%d,set_%d,Set %d,10,40,0455,30,60\n",
        std::string(materials[static_cast<std::size_t>(row) % materials.size()].caption).c_str(),
        row, row, row);
    table += line.data();
  }
  return table;
}

void Read(batch::BatchRun& run, std::string_view table) {
  batch::TableReader reader(run);
  reader.Feed(table);
  reader.Finish();
  run.Finish();
}

// Both readings of --batch in memory: the check, then the text written in pieces (here
// only counted).
void BatchRun(benchmark::State& state) {
  const std::string table = Table(static_cast<int>(state.range(0)));
  std::size_t outputBytes = 0;
  for (auto _ : state) {
    batch::BatchRun check;
    Read(check, table);
    if (check.ProblemCount() > 0) state.SkipWithError("the table has problems");
    outputBytes = 0;
    batch::OutputPieces output([&](std::string_view piece) { outputBytes += piece.size(); });
    batch::BatchRun run(&output);
    Read(run, table);
    output.Flush();
  }
  state.counters["table_MiB"] = static_cast<double>(table.size()) / kMiB;
  state.counters["output_MiB"] = static_cast<double>(outputBytes) / kMiB;
}

// The program to run: the one built beside the benchmark, or another build of it named by
// ARMOURSMITH_BATCH_PROGRAM (to measure a baseline in the same run).
QString Program() {
  const QString other = qEnvironmentVariable("ARMOURSMITH_BATCH_PROGRAM");
  return other.isEmpty() ? QStringLiteral(ARMOURSMITH_PROGRAM) : other;
}

// The command as an administrator runs it: a table file of whole sets written with -o to a
// file; its time from start to exit and its peak resident memory, taken by a probe process.
void BatchCommand(benchmark::State& state) {
  const auto folder = std::filesystem::temp_directory_path() / "armoursmith-bench-batch";
  std::filesystem::create_directories(folder);
  const std::string table = (folder / "table.csv").string();
  const std::string output = (folder / "output.scp").string();
  std::ofstream(table, std::ios::binary) << WholeSets(static_cast<int>(state.range(0)));
  try {
    long peakKib = 0;
    for (auto _ : state) {
      const ProbeResult result =
          RunProbeProcess({QString::fromLatin1(kBatchProbe), Program(), "--batch",
                           QString::fromStdString(table), "-o", QString::fromStdString(output)});
      double seconds = 0;  // timed by the probe: the program alone, without the probe's own start
      std::istringstream(result.output) >> peakKib >> seconds;
      state.SetIterationTime(seconds);
    }
    state.counters["peak_rss_MiB"] = static_cast<double>(peakKib) / 1024;
    state.counters["table_MiB"] = static_cast<double>(std::filesystem::file_size(table)) / kMiB;
    state.counters["output_MiB"] = static_cast<double>(std::filesystem::file_size(output)) / kMiB;
  } catch (const std::exception& error) {
    state.SkipWithError(error.what());  // a failed run leaves no output to measure
  }
  std::filesystem::remove_all(folder);
}

}  // namespace

std::optional<int> RunBatchProbe(int argc, char* argv[]) {
  if (argc < 3 || argv[1] != kBatchProbe) return std::nullopt;
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execv(argv[2], argv + 2);
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    return EXIT_FAILURE;
  }
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  std::printf("%ld %.6f\n", usage.ru_maxrss, elapsed.count());
  return EXIT_SUCCESS;
}

void RegisterBatchCases() {
  benchmark::RegisterBenchmark("BatchRun", BatchRun)->Arg(kRows)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("BatchCommand", BatchCommand)
      ->Arg(kRows)
      ->UseManualTime()
      ->Iterations(1)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("BatchCommand", BatchCommand)
      ->Arg(kManyRows)
      ->UseManualTime()
      ->Iterations(1)
      ->Repetitions(1)
      ->Unit(benchmark::kSecond);
}

}  // namespace armoursmith::bench
