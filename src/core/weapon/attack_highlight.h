#pragma once

#include "core/data/common_weapon.h"
#include "core/text/rgb.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace trelkin {

// The attack threshold from which tree nodes are drawn in blue: its field's range and starting value.
inline constexpr std::int32_t kLowestAttackThreshold = 0;
inline constexpr std::int32_t kHighestAttackThreshold = 2000;
inline constexpr std::int32_t kInitialAttackThreshold = 500;

// The threshold that the field's text means: the integer in it, kLowestAttackThreshold for any other text.
std::int32_t attackThresholdOf(std::string_view fieldText);

// Blue for a weapon whose Attack reaches the threshold; none keeps the tree's default colour.
std::optional<Rgb> attackHighlight(const weapon::TWeaponData& weapon, std::int32_t threshold);

} // namespace trelkin
