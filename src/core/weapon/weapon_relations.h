#pragma once

#include "core/data/common_weapon.h"

#include <string_view>
#include <unordered_map>
#include <vector>

namespace trelkin {

// The upgrade relation of a weapon table, indexed by name once so that finding a weapon's parents or upgrades
// costs no scan of the table. The table must outlive it and stay unchanged.
class WeaponRelations {
public:
    explicit WeaponRelations(const weapon::TWeaponDatas& weapons);

    const weapon::TWeaponDatas& weapons() const { return m_weapons; }

    // Whether a weapon of the same Type bears the name in the weapon's ParentWeapon (exact bytes).
    bool HasParentWeapon(const weapon::TWeaponData& weapon) const;

    // The indices of the weapons whose ParentWeapon is the name, in table order. An empty ParentWeapon names no
    // parent, so no weapon is an upgrade of a weapon with an empty name.
    const std::vector<int>& upgradesOf(std::string_view name) const;

private:
    using NameIndex = std::unordered_map<std::string_view, std::vector<int>>;

    const weapon::TWeaponDatas& m_weapons;
    NameIndex m_byName;
    NameIndex m_byParent;
};

} // namespace trelkin
