#pragma once

#include "core/setsearch/search_plan.h"

#include <cstdint>
#include <vector>

namespace trelkin {

// The ways to complete a partial set with the last slots of the loops (the legs alone, or every waist and leg
// pair), grouped by what they add to the relevant skill systems. Suffixes that add the same points in the same
// spellings differ only in defence, so each group keeps its defence sums sorted: the number of qualifying
// completions of a prefix is then a count over groups, never a walk over pieces. Immutable once built.
class SuffixIndex {
public:
    // The suffixes that start at `firstLevel`: kLastLevel for the legs, kLastLevel - 1 for waist and leg pairs.
    SuffixIndex(const SearchPlan& plan, std::size_t firstLevel);

    // How many suffixes an index from `firstLevel` would hold.
    static std::uint64_t suffixCount(const SearchPlan& plan, std::size_t firstLevel);

    // The number of suffixes that make a qualifying set of a prefix filled up to the level before the first.
    std::uint64_t completions(const PartialSet& prefix) const;

private:
    struct Group {
        std::size_t key;  // offset of its points, then its spellings, in m_keys
        std::size_t defs; // offset of its sorted defence sums in m_defs
        std::size_t count;
    };

    class Builder;

    // How many defence sums of a group bring the prefix's defence to at least the total the query asks.
    std::uint64_t reachingTotal(const Group& group, std::int32_t prefixDef) const;

    const SearchPlan& m_plan;
    std::vector<Group> m_groups;
    std::vector<std::int32_t> m_keys;
    std::vector<std::int32_t> m_defs;
};

} // namespace trelkin
