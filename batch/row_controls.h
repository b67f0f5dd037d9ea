#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "generator_controls.h"
#include "output_sink.h"
#include "table_columns.h"

namespace armoursmith::batch {

// The main window as one table row leaves it: each field box holds its cell, or its prompt
// text when the table has no such column; the row's material's list stands at `position`
// and the other four at no entry. Appends go to `output`; there is no window to show.
class RowControls : public GeneratorControls {
 public:
  RowControls(const TableColumns& columns, std::span<const std::string> cells,
              ArmourMaterial material, std::int16_t position, OutputSink& output)
      : columns_(columns),
        cells_(cells),
        material_(material),
        position_(position),
        output_(output) {}

  std::string ReadField(ItemField field) override;
  std::int16_t ReadPiecePosition(ArmourMaterial material) override;
  void AppendScriptText(std::string_view text) override { output_.Append(text); }
  void ShowScriptWindow() override {}

 private:
  const TableColumns& columns_;
  std::span<const std::string> cells_;
  ArmourMaterial material_;
  std::int16_t position_;
  OutputSink& output_;
};

}  // namespace armoursmith::batch
