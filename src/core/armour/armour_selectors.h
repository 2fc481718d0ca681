#pragma once

#include "core/data/armour_tables.h"

#include <string>
#include <vector>

namespace trelkin {

// What the armour selectors and the skill list hold once the armour data is loaded. Every list starts with one
// blank entry meaning no choice; texts are code page 932 bytes.

// CB_HeadList to CB_LegList: the blank entry, then every piece name of the slot table in list order, duplicates
// kept.
std::vector<std::string> slotSelectorItems(const guard::TEquipmentDatas& table);

// One row of the skill list ListView1: the caption and three columns.
struct SkillListRow {
    std::string Skill;
    std::string Name;
    std::string Range;
    std::string Effect;

    friend bool operator==(const SkillListRow&, const SkillListRow&) = default;
};

// "N以下" for an open lower end (RangeMin -100, tested first), "N以上" for an open upper end (RangeMax 100),
// else "A～B".
std::string rangeText(const guard::TSkillData& skill);

// One row per skill table entry, in table order.
std::vector<SkillListRow> skillListRows(const guard::TSkillDatas& skills);

// CB_AllSkill and ComboBox7 to ComboBox11: the blank entry, then each skill system once (letter case of ASCII
// ignored), in order of first appearance.
std::vector<std::string> skillSystemItems(const guard::TSkillDatas& skills);

// ComboBox1 to ComboBox3: the blank entry, then the activated skill of every skill list row, duplicates kept.
std::vector<std::string> activatedSkillItems(const guard::TSkillDatas& skills);

// CB_AllMaterial and ComboBox12 to ComboBox16: the blank entry, then every material of the pieces once (letter
// case of ASCII ignored), in list order.
std::vector<std::string> materialItems(const ArmourTables& tables);

} // namespace trelkin
