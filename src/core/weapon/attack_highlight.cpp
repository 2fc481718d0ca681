#include "core/weapon/attack_highlight.h"

#include "core/text/integer_reader.h"

namespace trelkin {

std::int32_t attackThresholdOf(std::string_view fieldText) {
    return readIntegerOr(fieldText, kLowestAttackThreshold);
}

std::optional<Rgb> attackHighlight(const weapon::TWeaponData& weapon, std::int32_t threshold) {
    if (weapon.Attack >= threshold)
        return kBlue;
    return std::nullopt;
}

} // namespace trelkin
