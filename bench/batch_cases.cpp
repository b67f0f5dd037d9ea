#include "batch_cases.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "batch_run.h"
#include "piece_catalogue.h"
#include "table_reader.h"

namespace armoursmith::bench {
namespace {

constexpr int kRows = 100000;
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

void BatchRun(benchmark::State& state) {
  const std::string table = Table(static_cast<int>(state.range(0)));
  std::size_t outputBytes = 0;
  for (auto _ : state) {
    batch::BatchRun run;
    batch::TableReader reader(run);
    reader.Feed(table);
    reader.Finish();
    run.Finish();
    if (run.ProblemCount() > 0) state.SkipWithError("the table has problems");
    outputBytes = run.Output().size();
    benchmark::DoNotOptimize(run.Output().data());
  }
  state.counters["table_MiB"] = static_cast<double>(table.size()) / kMiB;
  state.counters["output_MiB"] = static_cast<double>(outputBytes) / kMiB;
}

}  // namespace

void RegisterBatchCases() {
  benchmark::RegisterBenchmark("BatchRun", BatchRun)->Arg(kRows)->Unit(benchmark::kMillisecond);
}

}  // namespace armoursmith::bench
