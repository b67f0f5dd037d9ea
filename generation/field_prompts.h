#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "item_fields.h"

namespace armoursmith {

// The text each field box shows at start, which names its field, in ItemField order. A batch
// table names its field columns by these texts and takes them for a column it leaves out.
inline constexpr std::array<std::string_view, kItemFieldCount> kFieldPrompts = {
    "Itemdef", "Defname", "Name",        "Weight", "Armour", "StrReq",
    "DexReq",  "IntReq",  "Description", "Color",  "Hp",     "Out of HP",
};

constexpr std::string_view FieldPrompt(ItemField field) {
  return kFieldPrompts[static_cast<std::size_t>(field)];
}

}  // namespace armoursmith
