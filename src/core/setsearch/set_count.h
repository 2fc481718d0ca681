#pragma once

#include "core/data/armour_tables.h"
#include "core/setsearch/search_space.h"
#include "core/setsearch/set_search_control.h"
#include "core/setsearch/set_search_query.h"

#include <cstdint>
#include <string>

namespace trelkin {

// The number of sets a query finds, counted as the search counts them but kept as one number; with an extra wish
// where given. Throws SearchStopped when the control stops it, TooManySets, and std::bad_alloc.
std::uint64_t countSets(const ArmourTables& tables, const SetSearchQuery& query, SetSearchControl& control,
                        const std::string* extraWish = nullptr);

} // namespace trelkin
