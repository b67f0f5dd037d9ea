#pragma once

#include <QStringList>
#include <string>

namespace armoursmith::bench {

// What a probe process printed on standard output, and its time from start to exit.
struct ProbeResult {
  double seconds;
  std::string output;
};

// Runs this program again with `arguments`, which name a probe, and waits for it; throws when
// it fails or runs for more than ten minutes.
ProbeResult RunProbeProcess(const QStringList& arguments);

}  // namespace armoursmith::bench
