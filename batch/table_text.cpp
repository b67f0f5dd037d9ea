#include "table_text.h"

#include "bounded_text.h"
#include "table_passes.h"
#include "table_source.h"

namespace armoursmith::batch {

TableText ReadTableText(const std::string& path, std::size_t limit) {
  // One reading checks the table and makes its text: the text is held, not written, so none of
  // it leaves before the table is known to be sound.
  TableSource table(path);
  BoundedText output(limit);
  std::vector<std::string> refusal = WriteTable(table, path, output);
  if (!refusal.empty()) return {.text = {}, .problems = std::move(refusal)};
  if (output.Size() > limit) {
    return {.text = {},
            .problems = {path + ": its text of " + std::to_string(output.Size()) +
                         " bytes is more than the " + std::to_string(limit) +
                         " the script window takes in one go; write it to a file with "
                         "armoursmith --batch " +
                         path + " -o FILE"}};
  }
  return {.text = std::move(output).Text(), .problems = {}};
}

}  // namespace armoursmith::batch
