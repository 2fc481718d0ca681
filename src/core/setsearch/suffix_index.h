#pragma once

#include "core/setsearch/key_counts.h"
#include "core/setsearch/search_plan.h"

#include <cstdint>
#include <vector>

namespace trelkin {

class CandidateKeys;

// The ways to complete a partial set with the last slots of the loops (the legs alone, or every waist and leg
// pair), grouped by what they add to the relevant skill systems. Suffixes that add the same points in the same
// spellings differ only in defence, so each group keeps its defence sums sorted: the number of qualifying
// completions of a prefix is then a count over groups, never a walk over pieces. An index built with the keys of
// an order also keeps each suffix's key sum, the group's suffixes sorted by key and then by defence, so that it
// counts the completions of each key sum as well. Immutable once built.
class SuffixIndex {
public:
    // The suffixes that start at `firstLevel`: kLastLevel for the legs, kLastLevel - 1 for waist and leg pairs.
    SuffixIndex(const SearchPlan& plan, std::size_t firstLevel, const CandidateKeys* keys = nullptr);

    // How many suffixes an index from `firstLevel` would hold.
    static std::uint64_t suffixCount(const SearchPlan& plan, std::size_t firstLevel);

    // The number of suffixes that make a qualifying set of a prefix filled up to the level before the first.
    std::uint64_t completions(const PartialSet& prefix) const;

    // With keys: the number of those whose key sum is `value`, and the number of those of every key sum.
    std::uint64_t completions(const PartialSet& prefix, std::int32_t value) const;
    void addCompletions(const PartialSet& prefix, KeyCountsBuilder& out) const;

private:
    struct Group {
        std::size_t key;     // offset of its points, then its spellings, in m_groupKeys
        std::size_t members; // offset of its suffixes in m_defs (and m_values)
        std::size_t count;
    };

    class Builder;

    // How many of the sorted defence sums [begin, end) bring the prefix's defence to the total the query asks.
    std::uint64_t reachingTotal(const std::int32_t* begin, const std::int32_t* end, std::int32_t prefixDef) const;
    bool meetsWishes(const Group& group, const PartialSet& prefix) const;
    // With keys: where the suffixes of the key sum at `run` (an offset within the group) end.
    std::size_t runEnd(const Group& group, std::size_t run) const;

    const SearchPlan& m_plan;
    std::vector<Group> m_groups;
    std::vector<std::int32_t> m_groupKeys;
    std::vector<std::int32_t> m_defs;
    std::vector<std::int32_t> m_values; // the key sums of the suffixes, with keys only
};

} // namespace trelkin
