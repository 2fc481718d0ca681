#include "core/armour/armour_selectors.h"

#include "core/text/collation.h"
#include "core/text/cp932.h"
#include "core/text/unique_names.h"

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

// The blank entry first; it counts as held, so a blank name is not added again.
UniqueNames afterBlank() {
    UniqueNames names;
    names.add(std::string());
    return names;
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
    UniqueNames items = afterBlank();
    for (const guard::TSkillData& skill : skills)
        items.add(skill.Skill);
    return std::move(items).take();
}

std::vector<std::string> activatedSkillItems(const guard::TSkillDatas& skills) {
    std::vector<std::string> items{std::string()};
    for (const guard::TSkillData& skill : skills)
        items.push_back(skill.Name);
    return items;
}

std::vector<std::string> materialItems(const ArmourTables& tables) {
    UniqueNames materials = afterBlank();
    for (const ArmourSlot slot : kArmourSlots)
        for (const guard::TEquipmentData& piece : tables.slotTable(slot))
            materials.addNamesOf(piece.Materials);
    std::vector<std::string> items = std::move(materials).take();
    items.erase(items.begin());
    return sortedAfterBlank(std::move(items));
}

} // namespace trelkin
