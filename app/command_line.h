#pragma once

#include <QStringList>
#include <optional>

#include "batch_command.h"

namespace armoursmith {

// What the command line asks for.
struct CommandLine {
  // Set when the program is to end at once with this status: after --help or --version, or
  // after a usage error, each printed already.
  std::optional<int> exitStatus;
  // Set for a batch run; otherwise the windows open.
  std::optional<batch::BatchRequest> batch;
  // For the windows: the tables whose text the script starts with, as named.
  QStringList tables;
};

// Reads the program's own options with a core application object, which needs no display.
// Qt's standard options (-platform, -style, -reverse and the others) are accepted but left
// alone: the windows' application object reads them from the unchanged arguments.
CommandLine ReadCommandLine(int argc, char* argv[]);

}  // namespace armoursmith
