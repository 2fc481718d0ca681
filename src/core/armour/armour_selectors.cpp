#include "core/armour/armour_selectors.h"

#include "core/text/ascii_case.h"
#include "core/text/collation.h"
#include "core/text/cp932.h"

#include <algorithm>

namespace trelkin {
namespace {

// The skill list's marks of an open range end.
constexpr std::int32_t kOpenLowerEnd = -100;
constexpr std::int32_t kOpenUpperEnd = 100;

const std::string kAtMost = toCp932(QStringLiteral("以下"));
const std::string kAtLeast = toCp932(QStringLiteral("以上"));
const std::string kRangeDash = toCp932(QStringLiteral("～"));

// The blank entry first, then the names in list order.
std::vector<std::string> sortedAfterBlank(std::vector<std::string> names) {
    sortForList(names);
    names.insert(names.begin(), std::string());
    return names;
}

// Appends the name unless the list already holds it, ASCII letter case ignored; the blank entry counts too.
void appendIfAbsent(std::vector<std::string>& items, const std::string& name) {
    const bool present = std::any_of(items.begin(), items.end(),
                                     [&](const std::string& item) { return equalsIgnoringAsciiCase(item, name); });
    if (!present)
        items.push_back(name);
}

} // namespace

std::vector<std::string> slotSelectorItems(const guard::TEquipmentDatas& table) {
    std::vector<std::string> names;
    names.reserve(table.size());
    for (const guard::TEquipmentData& piece : table)
        names.push_back(piece.Name);
    return sortedAfterBlank(std::move(names));
}

std::string rangeText(const guard::TSkillData& skill) {
    if (skill.RangeMin == kOpenLowerEnd)
        return std::to_string(skill.RangeMax) + kAtMost;
    if (skill.RangeMax == kOpenUpperEnd)
        return std::to_string(skill.RangeMin) + kAtLeast;
    return std::to_string(skill.RangeMin) + kRangeDash + std::to_string(skill.RangeMax);
}

std::vector<SkillListRow> skillListRows(const guard::TSkillDatas& skills) {
    std::vector<SkillListRow> rows;
    rows.reserve(skills.size());
    for (const guard::TSkillData& skill : skills)
        rows.push_back({skill.Skill, skill.Name, rangeText(skill), skill.Effect});
    return rows;
}

std::vector<std::string> skillSystemItems(const guard::TSkillDatas& skills) {
    std::vector<std::string> items{std::string()};
    for (const guard::TSkillData& skill : skills)
        appendIfAbsent(items, skill.Skill);
    return items;
}

std::vector<std::string> activatedSkillItems(const guard::TSkillDatas& skills) {
    std::vector<std::string> items{std::string()};
    for (const guard::TSkillData& skill : skills)
        items.push_back(skill.Name);
    return items;
}

std::vector<std::string> materialItems(const ArmourTables& tables) {
    std::vector<std::string> items{std::string()};
    for (const ArmourSlot slot : kArmourSlots)
        for (const guard::TEquipmentData& piece : tables.slotTable(slot))
            for (const guard::TMaterialData& material : piece.Materials)
                appendIfAbsent(items, material.Name);
    items.erase(items.begin());
    return sortedAfterBlank(std::move(items));
}

} // namespace trelkin
