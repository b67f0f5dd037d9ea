#include "table_text.h"

#include "bounded_text.h"
#include "table_passes.h"
#include "table_source.h"

namespace armoursmith::batch {

TableText ReadTableText(const std::string& path, std::size_t limit) {
  TableSource table(path);
  TableCheck check = CheckTable(table, path);
  if (!check.refusal.empty()) return {.text = {}, .problems = std::move(check.refusal)};
  BoundedText output(limit);
  if (auto refusal = WriteTable(table, path, output); !refusal.empty()) {
    return {.text = {}, .problems = std::move(refusal)};
  }
  if (output.Size() > limit) {
    return {.text = {},
            .problems = {path + ": its text of " + std::to_string(output.Size()) +
                         " bytes is more than the script window takes (" + std::to_string(limit) +
                         "); write it to a file with armoursmith --batch " + path + " -o FILE"}};
  }
  return {.text = std::move(output).Text(), .problems = {}};
}

}  // namespace armoursmith::batch
