#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>

namespace armoursmith {

class GeneratorControls;

// The twelve field boxes of the main window, in the order their values are read.
enum class ItemField {
  Id,
  Defname,
  Name,
  Weight,
  Armour,
  StrReq,
  DexReq,
  IntReq,
  Description,
  Color,
  MinHp,
  MaxHp,
};

inline constexpr std::array kAllItemFields = {
    ItemField::Id,          ItemField::Defname, ItemField::Name,   ItemField::Weight,
    ItemField::Armour,      ItemField::StrReq,  ItemField::DexReq, ItemField::IntReq,
    ItemField::Description, ItemField::Color,   ItemField::MinHp,  ItemField::MaxHp,
};
inline constexpr std::size_t kItemFieldCount = kAllItemFields.size();

// The texts of the field boxes as the user left them: never trimmed, tested or converted.
struct ItemFields {
  std::array<std::string, kItemFieldCount> texts;

  const std::string& operator[](ItemField field) const {
    return texts[static_cast<std::size_t>(field)];
  }
};

// Reads the given boxes, one control operation each; the boxes not named stay empty.
ItemFields ReadItemFields(GeneratorControls& controls, std::span<const ItemField> fields);

}  // namespace armoursmith
