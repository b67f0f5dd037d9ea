#include "table_columns.h"

#include <algorithm>
#include <string_view>

#include "ascii_case.h"
#include "field_prompts.h"

namespace armoursmith::batch {
namespace {

constexpr std::string_view kMaterial = "Material";
constexpr std::string_view kPiece = "Piece";

// The column a name stands for: 0 for Material, 1 for Piece, 2 onwards for the fields in
// ItemField order.
std::optional<std::size_t> ColumnKind(std::string_view name) {
  if (EqualsIgnoringAsciiCase(name, kMaterial)) return 0;
  if (EqualsIgnoringAsciiCase(name, kPiece)) return 1;
  for (std::size_t field = 0; field < kFieldPrompts.size(); ++field) {
    if (EqualsIgnoringAsciiCase(name, kFieldPrompts[field])) return field + 2;
  }
  return std::nullopt;
}

bool Names(std::span<const std::string> names, std::string_view column) {
  return std::ranges::any_of(
      names, [&](const std::string& name) { return EqualsIgnoringAsciiCase(name, column); });
}

std::string ExpectedColumns() {
  std::string what = "the header needs the columns " + std::string(kMaterial) + " and " +
                     std::string(kPiece) +
                     ", separated by commas, semicolons or tabs; it may also have ";
  for (std::size_t field = 0; field < kFieldPrompts.size(); ++field) {
    if (field > 0) what += field + 1 == kFieldPrompts.size() ? " and " : ", ";
    what += kFieldPrompts[field];
  }
  return what;
}

}  // namespace

bool NamesMaterialAndPiece(std::span<const std::string> names) {
  return Names(names, kMaterial) && Names(names, kPiece);
}

std::optional<TableColumns> ReadHeader(std::span<const std::string> names,
                                       const std::function<void(std::string)>& problem) {
  if (!NamesMaterialAndPiece(names)) {
    problem(ExpectedColumns());
    return std::nullopt;
  }
  std::array<std::optional<std::size_t>, kItemFieldCount + 2> found;
  bool sound = true;
  for (std::size_t cell = 0; cell < names.size(); ++cell) {
    const std::string& name = names[cell];
    const auto kind = ColumnKind(name);
    if (!kind) {
      problem("unknown column \"" + name + "\" (cell " + std::to_string(cell + 1) + ")");
      sound = false;
    } else if (found[*kind]) {
      problem("column \"" + name + "\" appears twice (cells " + std::to_string(*found[*kind] + 1) +
              " and " + std::to_string(cell + 1) + ")");
      sound = false;
    } else {
      found[*kind] = cell;
    }
  }
  if (!sound) return std::nullopt;
  TableColumns columns{
      .count = names.size(), .material = *found[0], .piece = *found[1], .fields = {}};
  std::copy_n(found.begin() + 2, columns.fields.size(), columns.fields.begin());
  return columns;
}

}  // namespace armoursmith::batch
