#pragma once

#include "core/data/common_weapon.h"

#include <optional>
#include <string>
#include <vector>

namespace trelkin {

// Everything the detail panel "武器詳細" shows, in code page 932: the six value fields and the three lists.
struct WeaponDetails {
    std::string name;                         // LabelWeaponName
    std::string type;                         // LabelWeaponType
    std::string attack;                       // LabelWeaponAttack
    std::vector<std::string> effects;         // ListBoxEffect
    std::string sale;                         // LabelWeaponSale
    std::vector<std::string> createMaterials; // ListBoxCreateMaterials
    std::string parent;                       // LabelWeaponParent
    std::string production;                   // LabelWeaponProduction
    std::vector<std::string> materials;       // ListBoxMaterials

    friend bool operator==(const WeaponDetails&, const WeaponDetails&) = default;
};

// The panel before any weapon has been selected: "-----" in every value field, empty lists.
WeaponDetails noWeaponDetails();

// The panel after a selection change: the weapon at that table index, or empty fields when nothing is selected.
// List lines read name(amount), e.g. "火属性(180)" and "素材名(2)".
WeaponDetails ShowWeaponDetails(const weapon::TWeaponDatas& weapons, std::optional<int> selected);

} // namespace trelkin
