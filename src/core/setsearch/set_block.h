#pragma once

#include "core/data/armour_tables.h"
#include "core/setsearch/set_search_query.h"

#include <string>
#include <vector>

namespace trelkin {

// How the set search judges one set: the points of its pieces summed per skill system (names that differ only
// in ASCII case count as one, under the spelling met first, head to leg), with no torso-up rule; then for each
// system in order of first appearance, every skill table entry of exactly that spelling whose range holds the sum.
// Under the torso-up rule, the armour evaluation's activated skills of the five pieces, in skill table order.
std::vector<std::string> setActivatedSkills(const ArmourTables& tables, const FoundSet& set, bool torsoUp);

// The result block of one set, code page 932, each line ending in "\n":
// "【防具一覧】", the five "頭 ： name" lines, "【総防御力】", the total, "【発動スキル】", the activated skills,
// an empty line and a line of 26 hyphens.
std::vector<std::string> setBlockLines(const ArmourTables& tables, const FoundSet& set, bool torsoUp);
std::string setBlockText(const ArmourTables& tables, const FoundSet& set, bool torsoUp);

} // namespace trelkin
