#pragma once

#include "core/setsearch/search_plan.h"
#include "core/setsearch/suffix_index.h"

#include <cstdint>
#include <memory>

namespace trelkin {

// Where the search trades memory for speed. Indexing every waist and leg pair costs about twelve bytes a pair
// while it is built; beyond maxIndexedPairs the waists are walked and only the legs are indexed. Head and body
// pairs are the finer work items and let results show sooner; beyond maxPairItems (nine bytes an item) the
// heads alone are the items.
struct SearchLimits {
    std::uint64_t maxIndexedPairs = std::uint64_t(1) << 20;
    std::uint64_t maxPairItems = std::uint64_t(1) << 21;
};

// The plan of one query with the suffix indexes built over it. Immutable once built and shared by the search's
// threads and by every lookup in its result; it refers to the tables, which must outlive it.
class SearchSpace {
public:
    // Throws std::bad_alloc when the query needs more memory than it may take. An extra wish, where given, counts
    // like the query's own.
    SearchSpace(const ArmourTables& tables, const SetSearchQuery& query, const SearchLimits& limits = {},
                const std::string* extraWish = nullptr);
    SearchSpace(const SearchSpace&) = delete;
    SearchSpace& operator=(const SearchSpace&) = delete;

    const ArmourTables& tables() const { return m_tables; }
    const SearchLimits& limits() const { return m_limits; }
    const SearchPlan& plan() const { return m_plan; }
    const SuffixIndex& legs() const { return *m_legs; }
    // The waist and leg pairs; none where there are too many pairs to index.
    const SuffixIndex* pairs() const { return m_pairs.get(); }

private:
    const ArmourTables& m_tables;
    SearchLimits m_limits;
    SearchPlan m_plan;
    std::unique_ptr<const SuffixIndex> m_legs;
    std::unique_ptr<const SuffixIndex> m_pairs;
};

} // namespace trelkin
