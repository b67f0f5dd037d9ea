#pragma once

#include <optional>

namespace armoursmith::bench {

// BatchRun/100000: a table of 100,000 rows read twice in memory, as --batch does, once to check
// it and once to make its text. BatchCommand/100000 and BatchCommand/1000000: the program
// itself writing a table file of that many whole sets to a file with -o, timed, with its peak
// resident memory.
void RegisterBatchCases();

// The batch cases' probe, started as "--batch-probe PROGRAM ARGUMENTS...": runs the program to
// its end and prints its peak resident memory in KiB and its time in seconds. A process started
// straight from the benchmark would count the benchmark's own memory as its first peak; one
// forked from this fresh, small process starts from this process's memory. Returns the probe's
// exit status when the arguments ask for it.
std::optional<int> RunBatchProbe(int argc, char* argv[]);

}  // namespace armoursmith::bench
