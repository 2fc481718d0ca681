#pragma once

#include "core/setsearch/candidate_keys.h"
#include "core/setsearch/key_counts.h"
#include "core/setsearch/search_space.h"
#include "core/setsearch/set_search_control.h"
#include "core/setsearch/suffix_index.h"

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace trelkin {

// A search space seen through the keys of one order: what each candidate adds to the key's sum, and the suffixes
// of the space indexed with their key sums. Immutable once built; the space must outlive it.
class KeySpace {
public:
    // Throws std::bad_alloc when the index would not fit the memory set aside for it.
    KeySpace(const SearchSpace& space, const CandidateKeys::PieceValue& valueOf);

    const SearchSpace& space() const { return m_space; }
    const SearchPlan& plan() const { return m_space.plan(); }
    const CandidateKeys& keys() const { return m_keys; }
    const SuffixIndex& suffixes() const { return *m_suffixes; }
    // The first level of the indexed suffixes: the waist where waist and leg pairs are indexed, else the leg.
    std::size_t suffixLevel() const { return m_suffixLevel; }

private:
    const SearchSpace& m_space;
    CandidateKeys m_keys;
    std::size_t m_suffixLevel;
    std::unique_ptr<const SuffixIndex> m_suffixes;
};

// Counts the qualifying completions of partial sets by the key sum that they add. As with the plain count, the
// counts depend only on a partial set's sums (its defence only where the defence still decides), so the counter
// remembers them per level in memos of bounded size. One counter serves one thread at a time.
class KeySumCounter {
public:
    // With a control, every step of the loops is a check point (a stop throws SearchStopped).
    explicit KeySumCounter(const KeySpace& space, SetSearchControl* control = nullptr);
    ~KeySumCounter();

    const KeySpace& space() const { return m_space; }

    // The key sums that the qualifying completions of `partial` (filled up to `level`, above the indexed
    // suffixes) add, each with its number of completions.
    std::shared_ptr<const KeyCounts> completions(std::size_t level, const PartialSet& partial);
    // The number of qualifying completions of `partial` (filled up to any level) that add `value`.
    std::uint64_t completions(std::size_t level, const PartialSet& partial, std::int32_t value);

private:
    class Memo;

    std::shared_ptr<const KeyCounts> walk(std::size_t level, const PartialSet& partial);
    // A partial set filled up to the level before the indexed suffixes' last level: its last level counted by hand.
    std::uint64_t countLastLevel(std::size_t level, const PartialSet& partial, std::int32_t value);

    const KeySpace& m_space;
    SetSearchControl* m_control;
    std::vector<std::unique_ptr<Memo>> m_memos; // by level, above the indexed suffixes
    std::vector<PartialSet> m_scratch;
};

} // namespace trelkin
