#pragma once

#include "core/data/armour_tables.h"
#include "core/setsearch/set_search_query.h"
#include "core/util/wrapping.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace trelkin {

// Levels of the five nested loops: 0 is the head, kLastLevel the leg.
inline constexpr std::size_t kLastLevel = kArmourSlotCount - 1;
inline constexpr std::size_t kBodyLevel = slotIndex(ArmourSlot::Body);

// The spelling of a skill system in a piece or a partial set: the index of one of the exact spellings that the
// wanted rows use, or one of these.
inline constexpr std::int32_t kAbsentSpelling = -1; // no entry of the system yet
inline constexpr std::int32_t kOtherSpelling = -2;  // an entry in a spelling that no wanted row uses

// A skill table row that activates a wanted skill: its system (case-folded, as an index), range and spelling.
struct WantedRow {
    std::size_t system;
    std::int32_t min;
    std::int32_t max;
    std::int32_t spelling;
};

// The sums of a partial set: defence, and per relevant system the points and the spelling met first. Sums wrap
// around as the game's do. Under the torso-up rule the points of the body's piece are kept apart, after the
// others, and the number of torso-up pieces counts as one more system (see SearchPlan).
struct PartialSet {
    std::int32_t def = 0;
    std::vector<std::int32_t> points;
    std::vector<std::int32_t> spelling;
};

// The pieces of one slot that pass the per-piece filters, in loop order (last table index first), with their
// points and first spelling for each relevant system laid out candidate by candidate.
struct SlotCandidates {
    std::vector<std::uint32_t> index;
    std::vector<std::int32_t> def;
    std::vector<std::int32_t> points;
    std::vector<std::int32_t> spelling;
    std::int32_t maxDef = 0;
    std::int32_t minDef = 0;
    std::vector<std::int64_t> minPoints; // per system, over the candidates (0 for a piece without it)
    std::vector<std::int64_t> maxPoints;
    std::int64_t largestMagnitude = 0; // the largest |def| or |points| one candidate brings

    std::size_t size() const { return index.size(); }
};

// Everything the search reads, worked out once per query: the candidates of each slot, the wishes as wanted
// rows over the skill systems they depend on, and the bounds of what the slots after a level can still add.
// Immutable once built, so any number of threads may read it.
//
// Under the torso-up rule a set is judged as the armour evaluation judges it: a system is one exact name, present
// where a piece's merged entries have it; one more system counts the torso-up pieces; and a partial set keeps the
// body's points apart (after the other systems' points), multiplied only once the whole set is known.
class SearchPlan {
public:
    // Throws std::bad_alloc when the candidates' points would not fit the memory set aside for them. An extra
    // wish, where given, counts like the query's own.
    SearchPlan(const ArmourTables& tables, const SetSearchQuery& query, const std::string* extraWish = nullptr);

    // No set can qualify: a slot without candidates, or a wish that no skill table row grants.
    bool empty() const;
    const SlotCandidates& slot(std::size_t level) const { return m_slots[level]; }
    bool torsoUp() const { return m_torsoUp; }
    // The systems of a candidate and of a suffix, the torso-up count among them; the points of a partial set.
    std::size_t systemCount() const { return m_systemCount; }
    std::size_t pointCount() const;
    std::int32_t minTotalDef() const { return m_minTotalDef; }
    const std::vector<std::vector<WantedRow>>& wishes() const { return m_wishes; }

    PartialSet emptyPartial() const;
    // `out` becomes `parent` with candidate `candidate` of `level` added.
    void extend(const PartialSet& parent, std::size_t level, std::size_t candidate, PartialSet& out) const;

    // Whether some completion of a partial set filled up to `level` may still qualify (never false for one that
    // can).
    bool mayQualify(std::size_t level, const PartialSet& partial) const;
    // Whether every completion of a partial set filled up to `level` reaches the total defence, so that the
    // defence no longer decides which of them qualify.
    bool defenceSettled(std::size_t level, const PartialSet& partial) const;
    // The sums on which the completions of a partial set filled up to `level` depend, appended as one key of
    // countStateWidth() values: whether its defence still decides, that defence if so, its points and spellings.
    void appendCountState(std::vector<std::int32_t>& key, std::size_t level, const PartialSet& partial) const;
    std::size_t countStateWidth() const { return 2 + pointCount() + m_systemCount; }
    // Whether a prefix completed by a suffix with these point sums and spellings meets every wish (the defence
    // is not looked at). A null suffix adds nothing.
    bool meetsWishes(const PartialSet& prefix, const std::int32_t* suffixPoints,
                     const std::int32_t* suffixSpelling) const;
    // Whether a complete set qualifies.
    bool qualifies(const PartialSet& complete) const;

private:
    void computeRemainders();
    // The least and the most that the body's points of a system can come to, under the torso-up rule.
    std::pair<std::int64_t, std::int64_t> bodyPointsRange(std::size_t level, const PartialSet& partial,
                                                          std::size_t system) const;

    bool m_torsoUp;
    std::array<SlotCandidates, kArmourSlotCount> m_slots;
    std::vector<std::vector<WantedRow>> m_wishes;
    std::size_t m_wantedSystems = 0;
    std::size_t m_systemCount = 0;
    bool m_unreachable = false;
    std::int32_t m_minTotalDef = 0;
    // Bounds reason over true sums; they hold only while no 32-bit sum of a set can wrap around.
    bool m_boundsHold = false;
    // What the slots after a level can still add at least and at most (defence, and points per system).
    std::vector<std::int64_t> m_minDefRemainder;
    std::vector<std::int64_t> m_defRemainder;
    std::vector<std::int64_t> m_minRemainder;
    std::vector<std::int64_t> m_maxRemainder;
};

} // namespace trelkin
