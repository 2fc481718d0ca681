#pragma once

#include "core/setsearch/search_space.h"
#include "core/setsearch/set_search_query.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace trelkin {

// The result of one set search, held as counts rather than sets: the search is split into work items (the pairs
// of a head and a body candidate in loop order, or the head candidates alone where the pairs would be too many),
// and the result keeps how many sets each item holds. Any block is found again from these counts, so the memory
// held does not grow with the number of sets found.
//
// The search completes items in any order, and the result publishes them in loop order: size() counts the sets
// of the published items, which never shrink and never change once published. Every member may be used from any
// thread. Reading the sets themselves is the job of a SetResultReader.
class SetSearchResult {
public:
    // Throws std::bad_alloc when there are too many work items to count.
    explicit SetSearchResult(std::shared_ptr<const SearchSpace> space);

    const SearchSpace& space() const { return *m_space; }
    const ArmourTables& tables() const { return m_space->tables(); }
    // Whether its sets were judged by the torso-up rule, and so list their skills by it.
    bool torsoUp() const { return m_space->plan().torsoUp(); }

    // The number of blocks found so far, in loop order without gaps, and the number of items that hold them.
    std::uint64_t size() const;
    std::size_t publishedItems() const { return m_published.load(std::memory_order_acquire); }

    // How many loop levels a work item fixes (1: the head, 2: the head and the body), and how many items there are.
    std::size_t itemDepth() const { return m_itemDepth; }
    std::size_t itemCount() const { return m_counts.size(); }
    // The candidate of each fixed level for an item, head first.
    std::array<std::size_t, 2> itemCandidates(std::size_t item) const;
    // The item that holds a block below size(), and the number of blocks before that item.
    std::size_t itemOf(std::uint64_t block) const;
    std::uint64_t blocksBefore(std::size_t item) const;

    // For the search: records the number of sets of an item, publishing every item up to the first one not yet
    // counted. After freeze() nothing more is published. Throws TooManySets, and publishes nothing more, when
    // the total would pass what 64 bits count.
    void complete(std::size_t item, std::uint64_t sets);
    void freeze();

private:
    std::shared_ptr<const SearchSpace> m_space;
    std::size_t m_itemDepth = 2;
    std::size_t m_bodies = 0;
    // The published items hold the running total of sets up to and including them; the others, once counted,
    // their own number of sets.
    std::vector<std::uint64_t> m_counts;
    std::vector<std::uint8_t> m_counted;
    std::mutex m_publishing;
    std::size_t m_next = 0;
    bool m_frozen = false;
    std::atomic<std::size_t> m_published{0};
};

} // namespace trelkin
