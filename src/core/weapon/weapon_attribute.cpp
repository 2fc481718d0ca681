#include "core/weapon/weapon_attribute.h"

#include "core/text/cp932.h"

#include <algorithm>
#include <array>
#include <string>

namespace trelkin {
namespace {

constexpr int kEffectCount = 7;
constexpr int kDefenceBar = 0;
// Bars 1 to 7 are the effects alone; adding this gives the same effect with a defence bonus.
constexpr int kWithDefenceOffset = 7;

const std::array<Rgb, kEffectCount> kEffectColours{Rgb{255, 0, 0},  Rgb{0, 255, 255}, Rgb{255, 255, 0},
                                                   Rgb{0, 128, 0},  Rgb{128, 0, 255}, Rgb{128, 128, 128},
                                                   Rgb{0, 128, 255}};

const std::string& defenceBonusName() {
    static const std::string name = toCp932(QStringLiteral("防御力"));
    return name;
}

// Effect names in bar order, from bar 1.
const std::array<std::string, kEffectCount>& effectNames() {
    static const std::array<std::string, kEffectCount> names{
        toCp932(QStringLiteral("火属性")),  toCp932(QStringLiteral("水属性")), toCp932(QStringLiteral("雷属性")),
        toCp932(QStringLiteral("龍属性")),  toCp932(QStringLiteral("毒属性")), toCp932(QStringLiteral("麻痺属性")),
        toCp932(QStringLiteral("睡眠属性"))};
    return names;
}

} // namespace

AttributeBarFill attributeBarFill(int bar) {
    if (bar == kDefenceBar)
        return {kDefenceBonusFill, std::nullopt};
    if (bar <= kEffectCount)
        return {kEffectColours[size_t(bar - 1)], std::nullopt};
    return {kEffectColours[size_t(bar - kWithDefenceOffset - 1)], kDefenceBonusFill};
}

int WeaponAttributeIndex(const weapon::TWeaponData& weapon) {
    int effect = kNoAttributeBar;
    bool defence = false;
    const auto& names = effectNames();
    for (const weapon::TAdditionaleffectData& additional : weapon.Additionaleffects) {
        if (additional.Name == defenceBonusName())
            defence = true;
        const auto found = std::find(names.begin(), names.end(), additional.Name);
        if (found != names.end())
            effect = int(found - names.begin()) + 1;
    }
    if (!defence)
        return effect;
    return effect == kNoAttributeBar ? kDefenceBar : effect + kWithDefenceOffset;
}

} // namespace trelkin
