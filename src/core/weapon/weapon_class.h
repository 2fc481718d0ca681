#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace trelkin {

// The weapon classes that have a tree and a class icon, in page order.
inline constexpr std::size_t kWeaponClassCount = 5;

// Class icon 0 is empty: a weapon of any other class shows none.
inline constexpr int kNoClassIcon = 0;

// The classes' names in code page 932: "片手剣", "双剣", "大剣", "ハンマー", "ランス".
const std::array<std::string, kWeaponClassCount>& weaponClasses();

// The class icon of a weapon's Type: 1 to 5 in page order, kNoClassIcon for any other text.
int WeaponTypeIndex(std::string_view type);

} // namespace trelkin
