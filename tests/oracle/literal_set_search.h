#pragma once

#include "core/data/armour_tables.h"
#include "core/setsearch/set_search_query.h"

#include <array>
#include <string>
#include <vector>

namespace trelkin::oracle {

// A set the literal search finds: the table index of its piece in each slot, head to leg, and its activated skills.
struct LiteralSet {
    std::array<std::size_t, 5> pieces;
    std::vector<std::string> activated;
};

// Every set the literal search finds, in its loop order.
std::vector<LiteralSet> literalSets(const ArmourTables& tables, const SetSearchQuery& query);

// The set search exactly as the game's players know it: five nested loops from each table's last piece down,
// every complete set summed and judged one by one, every qualifying set written as a block. Slow on purpose;
// it is the reference the fast search is compared with, and it shares none of its code.
std::string literalSetSearch(const ArmourTables& tables, const SetSearchQuery& query);

} // namespace trelkin::oracle
