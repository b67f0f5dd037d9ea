#pragma once

#include <array>

namespace armoursmith {

// The five materials, in the order of the option buttons and of every search over the lists.
enum class ArmourMaterial { Platemail, Ringmail, Chainmail, Leather, HardLeather };

inline constexpr std::array kArmourMaterials = {
    ArmourMaterial::Platemail, ArmourMaterial::Ringmail,    ArmourMaterial::Chainmail,
    ArmourMaterial::Leather,   ArmourMaterial::HardLeather,
};

}  // namespace armoursmith
