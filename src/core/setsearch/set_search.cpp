#include "core/setsearch/set_search.h"

#include "core/text/ascii_case.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <mutex>
#include <optional>
#include <thread>

namespace trelkin {
namespace {

constexpr std::size_t kLastLevel = kArmourSlotCount - 1;
// Spelling of a skill system in one piece or set: absent, or present in a spelling that no wanted row uses.
constexpr std::int32_t kAbsent = -1;
constexpr std::int32_t kOtherSpelling = -2;
// A test on the legs that need not look at the spelling, because the pieces above already fixed the right one.
constexpr std::int32_t kAnySpelling = -3;

std::int32_t wrappingAdd(std::int32_t a, std::int32_t b) {
    return std::int32_t(std::uint32_t(a) + std::uint32_t(b));
}

// A skill table row that activates a wanted skill: its system (case-folded), range and exact spelling.
struct WantedRow {
    std::size_t system;
    std::int32_t min;
    std::int32_t max;
    std::int32_t spelling;
};

// The skill systems that the wanted skills depend on, and for each wish the rows that would grant it.
class Wishes {
public:
    Wishes(const guard::TSkillDatas& skills, const SetSearchQuery& query) {
        for (const std::string& wanted : query.WantedSkills) {
            if (wanted.empty())
                continue;
            std::vector<WantedRow> rows;
            for (const guard::TSkillData& row : skills)
                if (row.Name == wanted)
                    rows.push_back({systemOf(row.Skill), row.RangeMin, row.RangeMax, spellingOf(row.Skill)});
            m_unreachable = m_unreachable || rows.empty();
            m_wishes.push_back(std::move(rows));
        }
    }

    std::size_t systemCount() const { return m_systems.size(); }
    bool unreachable() const { return m_unreachable; }
    const std::vector<std::vector<WantedRow>>& wishes() const { return m_wishes; }

    // The system of a piece's skill entry, if a wish looks at it.
    std::optional<std::size_t> findSystem(const std::string& name) const {
        const auto found = std::find(m_systems.begin(), m_systems.end(), asciiUpper(name));
        return found == m_systems.end() ? std::nullopt : std::optional<std::size_t>(found - m_systems.begin());
    }
    std::int32_t findSpelling(const std::string& name) const {
        const auto found = std::find(m_spellings.begin(), m_spellings.end(), name);
        return found == m_spellings.end() ? kOtherSpelling : std::int32_t(found - m_spellings.begin());
    }

private:
    std::size_t systemOf(const std::string& skill) {
        if (const std::optional<std::size_t> known = findSystem(skill))
            return *known;
        m_systems.push_back(asciiUpper(skill));
        return m_systems.size() - 1;
    }
    std::int32_t spellingOf(const std::string& skill) {
        const std::int32_t known = findSpelling(skill);
        if (known != kOtherSpelling)
            return known;
        m_spellings.push_back(skill);
        return std::int32_t(m_spellings.size() - 1);
    }

    std::vector<std::string> m_systems;
    std::vector<std::string> m_spellings;
    std::vector<std::vector<WantedRow>> m_wishes;
    bool m_unreachable = false;
};

// The pieces of one slot that pass the per-piece filters, last table index first, with their points and first
// spelling for each relevant system laid out candidate by candidate.
struct SlotCandidates {
    std::vector<std::uint32_t> index;
    std::vector<std::int32_t> def;
    std::vector<std::int32_t> points;
    std::vector<std::int32_t> spelling;
    std::int32_t maxDef = 0;
    std::vector<std::int64_t> minPoints; // per system, over the candidates (0 for a piece without it)
    std::vector<std::int64_t> maxPoints;
    std::int64_t largestMagnitude = 0; // the largest |def| or |points| one candidate brings

    std::size_t size() const { return index.size(); }
};

SlotCandidates collectCandidates(const guard::TEquipmentDatas& table, const SetSearchQuery& query,
                                 const Wishes& wishes) {
    const std::size_t systems = wishes.systemCount();
    SlotCandidates slot;
    slot.minPoints.assign(systems, std::numeric_limits<std::int64_t>::max());
    slot.maxPoints.assign(systems, std::numeric_limits<std::int64_t>::min());
    slot.maxDef = std::numeric_limits<std::int32_t>::min();
    for (std::size_t i = table.size(); i-- > 0;) {
        const guard::TEquipmentData& piece = table[i];
        if (!passesPieceFilters(piece, query))
            continue;
        slot.index.push_back(std::uint32_t(i));
        slot.def.push_back(piece.Def);
        slot.maxDef = std::max(slot.maxDef, piece.Def);
        slot.largestMagnitude = std::max(slot.largestMagnitude, std::abs(std::int64_t(piece.Def)));
        const std::size_t base = slot.points.size();
        slot.points.resize(base + systems, 0);
        slot.spelling.resize(base + systems, kAbsent);
        for (const guard::TEquipmentSkillData& entry : piece.Skills) {
            const std::optional<std::size_t> system = wishes.findSystem(entry.Name);
            if (!system)
                continue;
            slot.points[base + *system] = wrappingAdd(slot.points[base + *system], entry.Val);
            if (slot.spelling[base + *system] == kAbsent)
                slot.spelling[base + *system] = wishes.findSpelling(entry.Name);
        }
        for (std::size_t s = 0; s < systems; ++s) {
            const std::int64_t value = slot.points[base + s];
            slot.minPoints[s] = std::min(slot.minPoints[s], value);
            slot.maxPoints[s] = std::max(slot.maxPoints[s], value);
            slot.largestMagnitude = std::max(slot.largestMagnitude, std::abs(value));
        }
    }
    return slot;
}

// Sums of a partial set: defence, and per relevant system the points and the spelling met first.
struct Partial {
    std::int32_t def = 0;
    std::vector<std::int32_t> points;
    std::vector<std::int32_t> spelling;
};

// Everything the loops read, computed once per search.
class SearchPlan {
public:
    SearchPlan(const ArmourTables& tables, const SetSearchQuery& query) : m_wishes(tables.SkillDatas, query) {
        m_minTotalDef = query.MinTotalDef;
        std::int64_t largestTotal = 0;
        for (const ArmourSlot slot : kArmourSlots) {
            m_slots[slotIndex(slot)] = collectCandidates(tables.slotTable(slot), query, m_wishes);
            largestTotal += m_slots[slotIndex(slot)].largestMagnitude;
        }
        // Bounds reason over true sums; they hold only while no 32-bit sum can wrap around.
        m_boundsHold = largestTotal <= std::numeric_limits<std::int32_t>::max();
        computeRemainders();
    }

    bool empty() const {
        return m_wishes.unreachable() ||
               std::any_of(m_slots.begin(), m_slots.end(), [](const SlotCandidates& s) { return s.size() == 0; });
    }
    const SlotCandidates& slot(std::size_t level) const { return m_slots[level]; }
    std::size_t systemCount() const { return m_wishes.systemCount(); }
    std::int32_t minTotalDef() const { return m_minTotalDef; }
    // Whether no 32-bit sum of a set can wrap around, so that sums may be reasoned about as true sums.
    bool boundsHold() const { return m_boundsHold; }
    const std::vector<std::vector<WantedRow>>& wishes() const { return m_wishes.wishes(); }

    // Whether some completion of a partial set filled up to `level` may still qualify.
    bool mayQualify(std::size_t level, const Partial& partial) const {
        if (!m_boundsHold)
            return true;
        if (std::int64_t(partial.def) + m_defRemainder[level] < m_minTotalDef)
            return false;
        const std::size_t systems = systemCount();
        return std::all_of(wishes().begin(), wishes().end(), [&](const std::vector<WantedRow>& rows) {
            return std::any_of(rows.begin(), rows.end(), [&](const WantedRow& row) {
                const std::int64_t sum = partial.points[row.system];
                return sum + m_minRemainder[level * systems + row.system] <= row.max &&
                       sum + m_maxRemainder[level * systems + row.system] >= row.min;
            });
        });
    }

    // Whether a complete set qualifies, from its sums.
    bool qualifies(std::int32_t def, const std::int32_t* points, const std::int32_t* spelling) const {
        if (def < m_minTotalDef)
            return false;
        return std::all_of(wishes().begin(), wishes().end(), [&](const std::vector<WantedRow>& rows) {
            return std::any_of(rows.begin(), rows.end(), [&](const WantedRow& row) {
                const std::int32_t sum = points[row.system];
                return spelling[row.system] == row.spelling && row.min <= sum && sum <= row.max;
            });
        });
    }

private:
    void computeRemainders() {
        const std::size_t systems = systemCount();
        m_defRemainder.assign(kArmourSlotCount, 0);
        m_minRemainder.assign(kArmourSlotCount * systems, 0);
        m_maxRemainder.assign(kArmourSlotCount * systems, 0);
        if (!m_boundsHold || empty())
            return;
        for (std::size_t level = kLastLevel; level-- > 0;) {
            const SlotCandidates& next = m_slots[level + 1];
            m_defRemainder[level] = m_defRemainder[level + 1] + next.maxDef;
            for (std::size_t s = 0; s < systems; ++s) {
                m_minRemainder[level * systems + s] = m_minRemainder[(level + 1) * systems + s] + next.minPoints[s];
                m_maxRemainder[level * systems + s] = m_maxRemainder[(level + 1) * systems + s] + next.maxPoints[s];
            }
        }
    }

    Wishes m_wishes;
    std::array<SlotCandidates, kArmourSlotCount> m_slots;
    std::int32_t m_minTotalDef = 0;
    bool m_boundsHold = false;
    // What the slots after a level can still add at most (defence) and at least/most (points per system).
    std::vector<std::int64_t> m_defRemainder;
    std::vector<std::int64_t> m_minRemainder;
    std::vector<std::int64_t> m_maxRemainder;
};

// Hands the found sets on in result order, although work items finish in any order.
class OrderedPublisher {
public:
    OrderedPublisher(std::size_t items, const FoundSetSink& sink) : m_pending(items), m_sink(sink) {}

    void complete(std::size_t item, std::vector<FoundSet>&& sets) {
        const std::lock_guard lock(m_mutex);
        m_pending[item] = std::move(sets);
        while (m_next < m_pending.size() && m_pending[m_next]) {
            if (!m_pending[m_next]->empty())
                m_sink(std::move(*m_pending[m_next]));
            m_pending[m_next].reset();
            ++m_next;
        }
    }

private:
    std::mutex m_mutex;
    std::vector<std::optional<std::vector<FoundSet>>> m_pending;
    std::size_t m_next = 0;
    const FoundSetSink& m_sink;
};

// One thread's walk through the loops below a head and body piece.
class Walker {
public:
    Walker(const SearchPlan& plan, SetSearchMonitor& monitor) : m_plan(plan), m_monitor(monitor) {
        for (Partial& partial : m_partials) {
            partial.points.assign(plan.systemCount(), 0);
            partial.spelling.assign(plan.systemCount(), kAbsent);
        }
        m_leafPoints.resize(plan.systemCount());
        m_leafSpelling.resize(plan.systemCount());
    }

    // The sets whose head and body are these candidates; false when the search was cancelled meanwhile.
    bool walkHeadAndBody(std::size_t head, std::size_t body, std::vector<FoundSet>& found) {
        m_found = &found;
        m_set.Pieces[0] = m_plan.slot(0).index[head];
        m_monitor.Positions[0] = std::int32_t(m_set.Pieces[0]);
        add(0, head, m_empty);
        if (!m_plan.mayQualify(0, m_partials[0]))
            return true;
        add(1, body, m_partials[0]);
        if (!m_plan.mayQualify(1, m_partials[1]))
            return true;
        m_set.Pieces[1] = m_plan.slot(1).index[body];
        m_monitor.Positions[1] = std::int32_t(m_set.Pieces[1]);
        return walkLevel(2);
    }

private:
    void add(std::size_t level, std::size_t candidate, const Partial& parent) {
        const SlotCandidates& slot = m_plan.slot(level);
        Partial& partial = m_partials[level];
        const std::size_t systems = m_plan.systemCount();
        partial.def = wrappingAdd(parent.def, slot.def[candidate]);
        for (std::size_t s = 0; s < systems; ++s) {
            partial.points[s] = wrappingAdd(parent.points[s], slot.points[candidate * systems + s]);
            partial.spelling[s] =
                parent.spelling[s] != kAbsent ? parent.spelling[s] : slot.spelling[candidate * systems + s];
        }
    }

    bool walkLevel(std::size_t level) {
        if (level == kLastLevel) {
            walkLegs();
            return !m_monitor.CancelRequested.load(std::memory_order_relaxed);
        }
        const SlotCandidates& slot = m_plan.slot(level);
        for (std::size_t c = 0; c < slot.size(); ++c) {
            if (m_monitor.CancelRequested.load(std::memory_order_relaxed))
                return false;
            add(level, c, m_partials[level - 1]);
            m_set.Pieces[level] = slot.index[c];
            m_monitor.Positions[level].store(std::int32_t(slot.index[c]), std::memory_order_relaxed);
            if (m_plan.mayQualify(level, m_partials[level]) && !walkLevel(level + 1))
                return false;
        }
        return true;
    }

    void walkLegs() {
        const SlotCandidates& legs = m_plan.slot(kLastLevel);
        if (m_plan.boundsHold())
            judgeLegsByIntervals(legs);
        else
            judgeLegsBySums(legs);
        m_monitor.SetsJudged.fetch_add(legs.size(), std::memory_order_relaxed);
        m_monitor.Positions[kLastLevel].store(std::int32_t(legs.index.back()), std::memory_order_relaxed);
    }

    // The legs are the innermost loop: with true sums, each wanted row becomes an interval of points a leg must
    // bring, worked out once for the pieces above, so a leg is judged without summing anything.
    void judgeLegsByIntervals(const SlotCandidates& legs) {
        const Partial& parent = m_partials[kLastLevel - 1];
        if (!prepareLegTests(parent))
            return;
        const std::int64_t minLegDef = std::int64_t(m_plan.minTotalDef()) - parent.def;
        const std::size_t systems = m_plan.systemCount();
        for (std::size_t c = 0; c < legs.size(); ++c) {
            if (legs.def[c] < minLegDef ||
                !meetsEveryWish(legs.points.data() + c * systems, legs.spelling.data() + c * systems))
                continue;
            m_set.Pieces[kLastLevel] = legs.index[c];
            m_found->push_back(m_set);
        }
    }

    // The tests of every wish for the legs below the parent; false when some wish can no longer be met.
    bool prepareLegTests(const Partial& parent) {
        m_legTests.clear();
        m_wishEnds.clear();
        for (const std::vector<WantedRow>& rows : m_plan.wishes()) {
            const std::size_t begin = m_legTests.size();
            for (const WantedRow& row : rows) {
                const std::int32_t fixed = parent.spelling[row.system];
                if (fixed != kAbsent && fixed != row.spelling)
                    continue;
                const std::int64_t sum = parent.points[row.system];
                m_legTests.push_back(
                    {row.system, row.min - sum, row.max - sum, fixed == kAbsent ? row.spelling : kAnySpelling});
            }
            if (m_legTests.size() == begin)
                return false;
            m_wishEnds.push_back(m_legTests.size());
        }
        return true;
    }

    bool meetsEveryWish(const std::int32_t* points, const std::int32_t* spelling) const {
        std::size_t test = 0;
        for (const std::size_t end : m_wishEnds) {
            bool met = false;
            for (; test < end && !met; ++test) {
                const LegTest& leg = m_legTests[test];
                const std::int64_t brought = points[leg.system];
                met = leg.low <= brought && brought <= leg.high &&
                      (leg.spelling == kAnySpelling || spelling[leg.system] == leg.spelling);
            }
            if (!met)
                return false;
            test = end;
        }
        return true;
    }

    // Where a sum may wrap around, each set's sums are formed as the loops above form them.
    void judgeLegsBySums(const SlotCandidates& legs) {
        const Partial& parent = m_partials[kLastLevel - 1];
        const std::size_t systems = m_plan.systemCount();
        for (std::size_t c = 0; c < legs.size(); ++c) {
            const std::int32_t def = wrappingAdd(parent.def, legs.def[c]);
            for (std::size_t s = 0; s < systems; ++s) {
                m_leafPoints[s] = wrappingAdd(parent.points[s], legs.points[c * systems + s]);
                m_leafSpelling[s] = parent.spelling[s] != kAbsent ? parent.spelling[s] : legs.spelling[c * systems + s];
            }
            if (m_plan.qualifies(def, m_leafPoints.data(), m_leafSpelling.data())) {
                m_set.Pieces[kLastLevel] = legs.index[c];
                m_found->push_back(m_set);
            }
        }
    }

    // A wanted row as the legs below one parent see it: the leg's points must lie in [low, high] and, unless the
    // parent already fixed the system's spelling, the leg must bring the row's spelling.
    struct LegTest {
        std::size_t system;
        std::int64_t low;
        std::int64_t high;
        std::int32_t spelling;
    };

    const SearchPlan& m_plan;
    SetSearchMonitor& m_monitor;
    const Partial m_empty = Partial{0, std::vector<std::int32_t>(m_plan.systemCount(), 0),
                                    std::vector<std::int32_t>(m_plan.systemCount(), kAbsent)};
    std::array<Partial, kArmourSlotCount> m_partials;
    std::vector<std::int32_t> m_leafPoints;
    std::vector<std::int32_t> m_leafSpelling;
    std::vector<LegTest> m_legTests;
    std::vector<std::size_t> m_wishEnds; // where each wish's tests end in m_legTests
    FoundSet m_set;
    std::vector<FoundSet>* m_found = nullptr;
};

} // namespace

SetSearchEnd searchArmourSets(const ArmourTables& tables, const SetSearchQuery& query, SetSearchMonitor& monitor,
                              const FoundSetSink& sink, unsigned threads) {
    const SearchPlan plan(tables, query);
    if (plan.empty())
        return monitor.CancelRequested ? SetSearchEnd::Cancelled : SetSearchEnd::Finished;

    // Work items are (head, body) pairs in loop order, so results can be handed on long before the search ends.
    const std::size_t bodies = plan.slot(1).size();
    const std::size_t items = plan.slot(0).size() * bodies;
    OrderedPublisher publisher(items, sink);
    std::atomic<std::size_t> nextItem{0};
    std::atomic_bool outOfMemory{false};
    const auto work = [&] {
        try {
            Walker walker(plan, monitor);
            for (std::size_t item = nextItem++; item < items; item = nextItem++) {
                std::vector<FoundSet> found;
                if (!walker.walkHeadAndBody(item / bodies, item % bodies, found))
                    return;
                monitor.SetsFound.fetch_add(found.size(), std::memory_order_relaxed);
                publisher.complete(item, std::move(found));
            }
        } catch (const std::bad_alloc&) {
            outOfMemory = true;
            monitor.CancelRequested = true;
        }
    };
    std::vector<std::jthread> helpers;
    for (unsigned i = 1; i < std::max(1u, threads); ++i)
        helpers.emplace_back(work);
    work();
    helpers.clear();

    if (outOfMemory)
        return SetSearchEnd::OutOfMemory;
    return monitor.CancelRequested ? SetSearchEnd::Cancelled : SetSearchEnd::Finished;
}

} // namespace trelkin
