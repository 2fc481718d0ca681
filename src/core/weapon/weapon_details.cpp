#include "core/weapon/weapon_details.h"

namespace trelkin {
namespace {

const std::string kPlaceholder = "-----";

// One line per entry: its name, then its amount in brackets with nothing between, e.g. "火属性(180)".
template <typename Entry>
std::vector<std::string> amountLines(const std::vector<Entry>& entries, std::int32_t Entry::*amount) {
    std::vector<std::string> lines;
    for (const Entry& entry : entries)
        lines.push_back(entry.Name + "(" + std::to_string(entry.*amount) + ")");
    return lines;
}

} // namespace

WeaponDetails noWeaponDetails() {
    return {kPlaceholder, kPlaceholder, kPlaceholder, {}, kPlaceholder, {}, kPlaceholder, kPlaceholder, {}};
}

WeaponDetails ShowWeaponDetails(const weapon::TWeaponDatas& weapons, std::optional<int> selected) {
    if (!selected)
        return {};
    const weapon::TWeaponData& weapon = weapons[size_t(*selected)];
    return {weapon.Name,
            weapon.Type,
            std::to_string(weapon.Attack),
            amountLines(weapon.Additionaleffects, &weapon::TAdditionaleffectData::Value),
            std::to_string(weapon.Sale),
            amountLines(weapon.CreateMaterials, &weapon::TMaterialData::Num),
            weapon.ParentWeapon,
            std::to_string(weapon.Production),
            amountLines(weapon.Materials, &weapon::TMaterialData::Num)};
}

} // namespace trelkin
