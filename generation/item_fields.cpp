#include "item_fields.h"

#include "generator_controls.h"

namespace armoursmith {

ItemFields ReadItemFields(GeneratorControls& controls, std::span<const ItemField> fields) {
  ItemFields result;
  for (const ItemField field : fields) {
    result.texts[static_cast<std::size_t>(field)] = controls.ReadField(field);
  }
  return result;
}

}  // namespace armoursmith
