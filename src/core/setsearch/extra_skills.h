#pragma once

#include "core/data/armour_tables.h"
#include "core/setsearch/set_search_control.h"
#include "core/setsearch/set_search_query.h"

#include <cstdint>
#include <string>
#include <vector>

namespace trelkin {

// A skill that could still be added to a query: its name and the number of found sets that activate it.
struct ExtraSkill {
    std::string name;
    std::uint64_t sets = 0;

    friend bool operator==(const ExtraSkill&, const ExtraSkill&) = default;
};

// The skills worth adding: every activated skill name of the skill table (the torso-up system's aside) that is not
// wished already and has a range above zero, once each, in skill table order.
std::vector<std::string> extraSkillCandidates(const guard::TSkillDatas& skills, const SetSearchQuery& query);

// The candidates that at least one of the query's sets activates, each with the number of those sets (counted as
// the query with it as one more wish), most first and ties in skill table order. Counted on `threads` threads;
// throws SearchStopped when the control stops it, TooManySets, and std::bad_alloc.
std::vector<ExtraSkill> countExtraSkills(const ArmourTables& tables, const SetSearchQuery& query,
                                         SetSearchControl& control, unsigned threads);

} // namespace trelkin
