#include "core/weapon/weapon_relations.h"

#include <algorithm>

namespace trelkin {

WeaponRelations::WeaponRelations(const weapon::TWeaponDatas& weapons) : m_weapons(weapons) {
    for (size_t i = 0; i < weapons.size(); ++i) {
        m_byName[weapons[i].Name].push_back(int(i));
        if (!weapons[i].ParentWeapon.empty())
            m_byParent[weapons[i].ParentWeapon].push_back(int(i));
    }
}

bool WeaponRelations::HasParentWeapon(const weapon::TWeaponData& weapon) const {
    const auto named = m_byName.find(weapon.ParentWeapon);
    if (named == m_byName.end())
        return false;
    return std::any_of(named->second.begin(), named->second.end(),
                       [&](int parent) { return m_weapons[size_t(parent)].Type == weapon.Type; });
}

const std::vector<int>& WeaponRelations::upgradesOf(std::string_view name) const {
    static const std::vector<int> none;
    const auto found = m_byParent.find(name);
    return found == m_byParent.end() ? none : found->second;
}

} // namespace trelkin
