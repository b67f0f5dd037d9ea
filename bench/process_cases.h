#pragma once

#include <optional>

namespace armoursmith::bench {

// Start-up and memory are measured in fresh processes of this same program, started with a
// hidden flag: --startup-probe=form1|plain|bare|label shows a window and ends as soon as it is
// painted, --memory-probe=BYTES grows the script to BYTES by whole-set clicks and prints its
// memory.
// Returns the probe's exit status when the arguments ask for one.
std::optional<int> RunProbe(int argc, char* argv[]);

// Startup/form1, Startup/plain, Startup/bare, Startup/label and PeakRss/10485760.
void RegisterProcessCases();

}  // namespace armoursmith::bench
