#include "table_appends.h"

#include <algorithm>
#include <string>
#include <vector>

#include "generator_controls.h"
#include "script_text_limit.h"
#include "table_text.h"

namespace armoursmith {

void AppendTables(GeneratorControls& controls, const QStringList& tables) {
  std::vector<std::string> texts;
  std::string problems;
  std::size_t room = kScriptTextLimit;
  for (const QString& table : tables) {
    batch::TableText read = batch::ReadTableText(table.toStdString(), room);
    for (const std::string& line : read.problems) problems += line + '\n';
    room -= std::min(room, read.text.size());
    texts.push_back(std::move(read.text));
  }
  if (!problems.empty()) {
    problems.pop_back();
    throw TablesRefused(problems);
  }
  // Shown first: a script window shown for the first time lays out every line it holds, and
  // keeps a layout for each, where a shown one lays out only the lines on screen.
  controls.ShowScriptWindow();
  for (const std::string& text : texts) controls.AppendScriptText(text);
}

}  // namespace armoursmith
