#pragma once

#include <memory>

#include "program_windows.h"

namespace armoursmith::bench {

// The click cases share one pair of windows, filled with generated whole sets to the size a
// case asks for and kept at that size: each click's output is taken away again untimed.
class ClickSession {
 public:
  // The windows with at least `bytes` of script, in whole sets.
  ProgramWindows& Holding(qsizetype bytes);

 private:
  std::unique_ptr<ProgramWindows> windows_;
  qsizetype filledTo_ = -1;
};

// WholeSetClick, SinglePieceClick and LiteralWholeSetClick, each with the script's size in
// bytes as argument, in order of size so that each size is filled once.
void RegisterClickCases(ClickSession& session);

}  // namespace armoursmith::bench
