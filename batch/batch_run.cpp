#include "batch_run.h"

#include <cstdint>
#include <string_view>

#include "ascii_case.h"
#include "end_mark.h"
#include "piece_catalogue.h"
#include "row_controls.h"
#include "single_piece_script.h"
#include "whole_set_script.h"
#include "whole_set_table.h"

namespace armoursmith::batch {
namespace {

const MaterialInfo* FindMaterial(std::string_view caption) {
  for (const MaterialInfo& info : PieceCatalogue()) {
    if (EqualsIgnoringAsciiCase(caption, info.caption)) return &info;
  }
  return nullptr;
}

// The list position a Piece cell names: one of the material's list labels, "Whole Set"
// among them, or -1, no entry, for an empty cell.
std::optional<std::int16_t> FindPiece(const MaterialInfo& info, std::string_view label) {
  if (label.empty()) return std::int16_t{-1};
  for (const PieceEntry& entry : info.entries) {
    if (EqualsIgnoringAsciiCase(label, entry.label)) return entry.position;
  }
  return std::nullopt;
}

std::string Materials() {
  std::string names;
  for (const MaterialInfo& info : PieceCatalogue()) {
    names += (names.empty() ? "" : ", ") + std::string(info.caption);
  }
  return names;
}

std::string Pieces(const MaterialInfo& info) {
  std::string labels;
  for (const PieceEntry& entry : info.entries) labels += std::string(entry.label) + ", ";
  return labels + "or an empty cell";
}

// Whether the material's whole set ends with "End If" and "[EOF]".
bool SetEndsWithEndMark(ArmourMaterial material) {
  for (const WholeSetRow& row : WholeSetTable()) {
    if (row.material == material) return row.hasTrailer;
  }
  return false;
}

std::string RowsAfterEndMark(std::string_view material, std::size_t setLine) {
  return "warning: this row and the rows after it are written after the \"[EOF]\" that ends the " +
         std::string(material) + " set of line " + std::to_string(setLine) + "; " +
         std::string(kServerStopsAtEndMark);
}

}  // namespace

void BatchRun::Record(std::size_t line, std::span<const std::string> cells) {
  if (headerSeen_) return Generate(line, cells);
  headerSeen_ = true;
  columns_ = ReadHeader(cells, [&](std::string what) { Problem(line, std::move(what)); });
}

void BatchRun::Problem(std::size_t line, std::string what) {
  headerSeen_ = true;  // a header with a problem in a cell gives no columns
  if (problems_.size() < kProblemsKept) problems_.push_back({line, std::move(what)});
  ++problemCount_;
}

void BatchRun::Finish() {
  if (!headerSeen_) Problem(1, "the table is empty; it needs at least a header row");
}

void BatchRun::Generate(std::size_t line, std::span<const std::string> cells) {
  if (!columns_) return;  // the header's problems are reported already
  if (cells.size() != columns_->count) {
    const std::string count = std::to_string(cells.size());
    return Problem(line, "the row has " + count + (cells.size() == 1 ? " cell" : " cells") +
                             ", the header " + std::to_string(columns_->count));
  }
  const std::string& material = cells[columns_->material];
  const MaterialInfo* info = FindMaterial(material);
  if (!info) {
    return Problem(line, "unknown material \"" + material + "\"; the materials are " + Materials());
  }
  const std::string& piece = cells[columns_->piece];
  const auto position = FindPiece(*info, piece);
  if (!position) {
    return Problem(line, "unknown piece \"" + piece + "\" for " + std::string(info->caption) +
                             "; its pieces are " + Pieces(*info));
  }
  if (problemCount_ > 0) return;
  if (endMark_ && !warning_) {
    warning_ = {line, RowsAfterEndMark(endMark_->material, endMark_->line)};
  }
  const bool wholeSet = *position == WholeSetPosition(info->material);
  if (wholeSet && SetEndsWithEndMark(info->material)) endMark_ = {line, info->caption};
  if (!output_) return;
  RowControls controls(*columns_, cells, info->material, *position, *output_);
  if (wholeSet) {
    MakeWholeSet(controls);
  } else {
    MakeScript(controls);
  }
}

}  // namespace armoursmith::batch
