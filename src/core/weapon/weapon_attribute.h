#pragma once

#include "core/data/common_weapon.h"
#include "core/text/rgb.h"

#include <optional>

namespace trelkin {

// The attribute bars: 0 a defence bonus alone, 1 to 7 an element or status, 8 to 14 that effect with a defence
// bonus. kNoAttributeBar shows none.
inline constexpr int kNoAttributeBar = -1;
inline constexpr int kAttributeBarCount = 15;

// Every bar has a one-pixel border of this grey; the defence bonus fills with the light grey.
inline constexpr Rgb kAttributeBarBorder{143, 143, 143};
inline constexpr Rgb kDefenceBonusFill{232, 232, 232};

// How a bar is filled: one colour, or an upper and a lower half split by a border line.
struct AttributeBarFill {
    Rgb upper;
    std::optional<Rgb> lower; // none: upper fills the whole bar

    friend bool operator==(const AttributeBarFill&, const AttributeBarFill&) = default;
};

// The fill of bar 0 to kAttributeBarCount - 1.
AttributeBarFill attributeBarFill(int bar);

// The bar of a weapon from its additional effects, walked in order: "防御力" marks a defence bonus, each of
// "火属性", "水属性", "雷属性", "龍属性", "毒属性", "麻痺属性", "睡眠属性" sets the effect (a later one overriding),
// any other name changes nothing.
int WeaponAttributeIndex(const weapon::TWeaponData& weapon);

} // namespace trelkin
