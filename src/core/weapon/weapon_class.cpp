#include "core/weapon/weapon_class.h"

#include "core/text/cp932.h"

#include <algorithm>

namespace trelkin {

const std::array<std::string, kWeaponClassCount>& weaponClasses() {
    static const std::array<std::string, kWeaponClassCount> classes{
        toCp932(QStringLiteral("片手剣")), toCp932(QStringLiteral("双剣")), toCp932(QStringLiteral("大剣")),
        toCp932(QStringLiteral("ハンマー")), toCp932(QStringLiteral("ランス"))};
    return classes;
}

int WeaponTypeIndex(std::string_view type) {
    const auto& classes = weaponClasses();
    const auto found = std::find(classes.begin(), classes.end(), type);
    return found == classes.end() ? kNoClassIcon : int(found - classes.begin()) + 1;
}

} // namespace trelkin
