#include "core/setsearch/search_plan.h"

#include "core/text/ascii_case.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <new>
#include <optional>
#include <string>

namespace trelkin {
namespace {

// The candidates' points take candidates x systems numbers; a data file could ask for far more than a machine
// holds (thousands of skill rows granting one wanted skill), and a refused allocation is better than one that
// the system grants and then cannot back.
constexpr std::size_t kMaxCandidatePointBytes = std::size_t(256) << 20;

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
            unreachable = unreachable || rows.empty();
            wishes.push_back(std::move(rows));
        }
    }

    // The system of a piece's skill entry, if a wish looks at it.
    std::optional<std::size_t> findSystem(const std::string& name) const {
        const auto found = std::find(m_systems.begin(), m_systems.end(), asciiUpper(name));
        return found == m_systems.end() ? std::nullopt : std::optional<std::size_t>(found - m_systems.begin());
    }
    std::int32_t findSpelling(const std::string& name) const {
        const auto found = std::find(m_spellings.begin(), m_spellings.end(), name);
        return found == m_spellings.end() ? kOtherSpelling : std::int32_t(found - m_spellings.begin());
    }
    std::size_t systemCount() const { return m_systems.size(); }

    std::vector<std::vector<WantedRow>> wishes;
    bool unreachable = false;

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
};

void addCandidate(SlotCandidates& slot, const guard::TEquipmentData& piece, std::uint32_t index, const Wishes& wishes) {
    const std::size_t systems = wishes.systemCount();
    slot.index.push_back(index);
    slot.def.push_back(piece.Def);
    slot.maxDef = std::max(slot.maxDef, piece.Def);
    slot.minDef = std::min(slot.minDef, piece.Def);
    slot.largestMagnitude = std::max(slot.largestMagnitude, std::abs(std::int64_t(piece.Def)));
    const std::size_t base = slot.points.size();
    slot.points.resize(base + systems, 0);
    slot.spelling.resize(base + systems, kAbsentSpelling);
    for (const guard::TEquipmentSkillData& entry : piece.Skills) {
        const std::optional<std::size_t> system = wishes.findSystem(entry.Name);
        if (!system)
            continue;
        slot.points[base + *system] = wrappingAdd(slot.points[base + *system], entry.Val);
        if (slot.spelling[base + *system] == kAbsentSpelling)
            slot.spelling[base + *system] = wishes.findSpelling(entry.Name);
    }
    for (std::size_t s = 0; s < systems; ++s) {
        const std::int64_t value = slot.points[base + s];
        slot.minPoints[s] = std::min(slot.minPoints[s], value);
        slot.maxPoints[s] = std::max(slot.maxPoints[s], value);
        slot.largestMagnitude = std::max(slot.largestMagnitude, std::abs(value));
    }
}

SlotCandidates collectCandidates(const guard::TEquipmentDatas& table, const SetSearchQuery& query,
                                 const Wishes& wishes) {
    SlotCandidates slot;
    slot.minPoints.assign(wishes.systemCount(), std::numeric_limits<std::int64_t>::max());
    slot.maxPoints.assign(wishes.systemCount(), std::numeric_limits<std::int64_t>::min());
    slot.maxDef = std::numeric_limits<std::int32_t>::min();
    slot.minDef = std::numeric_limits<std::int32_t>::max();
    for (std::size_t i = table.size(); i-- > 0;)
        if (passesPieceFilters(table[i], query))
            addCandidate(slot, table[i], std::uint32_t(i), wishes);
    return slot;
}

void refuseOversizedPoints(const ArmourTables& tables, std::size_t systems) {
    std::size_t pieces = 0;
    for (const ArmourSlot slot : kArmourSlots)
        pieces += tables.slotTable(slot).size();
    const std::size_t perPiece = 2 * sizeof(std::int32_t) * systems;
    if (perPiece != 0 && pieces > kMaxCandidatePointBytes / perPiece)
        throw std::bad_alloc();
}

} // namespace

SearchPlan::SearchPlan(const ArmourTables& tables, const SetSearchQuery& query) : m_minTotalDef(query.MinTotalDef) {
    Wishes wishes(tables.SkillDatas, query);
    refuseOversizedPoints(tables, wishes.systemCount());
    std::int64_t largestTotal = 0;
    for (const ArmourSlot slot : kArmourSlots) {
        m_slots[slotIndex(slot)] = collectCandidates(tables.slotTable(slot), query, wishes);
        largestTotal += m_slots[slotIndex(slot)].largestMagnitude;
    }
    m_systemCount = wishes.systemCount();
    m_unreachable = wishes.unreachable;
    m_wishes = std::move(wishes.wishes);
    m_boundsHold = largestTotal <= std::numeric_limits<std::int32_t>::max();
    computeRemainders();
}

bool SearchPlan::empty() const {
    return m_unreachable ||
           std::any_of(m_slots.begin(), m_slots.end(), [](const SlotCandidates& s) { return s.size() == 0; });
}

void SearchPlan::computeRemainders() {
    const std::size_t systems = m_systemCount;
    m_defRemainder.assign(kArmourSlotCount, 0);
    m_minDefRemainder.assign(kArmourSlotCount, 0);
    m_minRemainder.assign(kArmourSlotCount * systems, 0);
    m_maxRemainder.assign(kArmourSlotCount * systems, 0);
    if (!m_boundsHold || empty())
        return;
    for (std::size_t level = kLastLevel; level-- > 0;) {
        const SlotCandidates& next = m_slots[level + 1];
        m_defRemainder[level] = m_defRemainder[level + 1] + next.maxDef;
        m_minDefRemainder[level] = m_minDefRemainder[level + 1] + next.minDef;
        for (std::size_t s = 0; s < systems; ++s) {
            m_minRemainder[level * systems + s] = m_minRemainder[(level + 1) * systems + s] + next.minPoints[s];
            m_maxRemainder[level * systems + s] = m_maxRemainder[(level + 1) * systems + s] + next.maxPoints[s];
        }
    }
}

PartialSet SearchPlan::emptyPartial() const {
    return PartialSet{0, std::vector<std::int32_t>(m_systemCount, 0),
                      std::vector<std::int32_t>(m_systemCount, kAbsentSpelling)};
}

void SearchPlan::extend(const PartialSet& parent, std::size_t level, std::size_t candidate, PartialSet& out) const {
    const SlotCandidates& slot = m_slots[level];
    const std::size_t systems = m_systemCount;
    out.def = wrappingAdd(parent.def, slot.def[candidate]);
    out.points.resize(systems);
    out.spelling.resize(systems);
    for (std::size_t s = 0; s < systems; ++s) {
        out.points[s] = wrappingAdd(parent.points[s], slot.points[candidate * systems + s]);
        out.spelling[s] =
            parent.spelling[s] != kAbsentSpelling ? parent.spelling[s] : slot.spelling[candidate * systems + s];
    }
}

bool SearchPlan::mayQualify(std::size_t level, const PartialSet& partial) const {
    if (!m_boundsHold)
        return true;
    if (std::int64_t(partial.def) + m_defRemainder[level] < m_minTotalDef)
        return false;
    const std::size_t systems = m_systemCount;
    return std::all_of(m_wishes.begin(), m_wishes.end(), [&](const std::vector<WantedRow>& rows) {
        return std::any_of(rows.begin(), rows.end(), [&](const WantedRow& row) {
            const std::int64_t sum = partial.points[row.system];
            return sum + m_minRemainder[level * systems + row.system] <= row.max &&
                   sum + m_maxRemainder[level * systems + row.system] >= row.min;
        });
    });
}

bool SearchPlan::defenceSettled(std::size_t level, const PartialSet& partial) const {
    return m_boundsHold && std::int64_t(partial.def) + m_minDefRemainder[level] >= m_minTotalDef;
}

bool SearchPlan::meetsWishes(const PartialSet& prefix, const std::int32_t* suffixPoints,
                             const std::int32_t* suffixSpelling) const {
    for (const std::vector<WantedRow>& rows : m_wishes) {
        const bool met = std::any_of(rows.begin(), rows.end(), [&](const WantedRow& row) {
            const std::int32_t own = prefix.spelling[row.system];
            const std::int32_t spelling = own != kAbsentSpelling || !suffixSpelling ? own : suffixSpelling[row.system];
            const std::int32_t sum = suffixPoints ? wrappingAdd(prefix.points[row.system], suffixPoints[row.system])
                                                  : prefix.points[row.system];
            return spelling == row.spelling && row.min <= sum && sum <= row.max;
        });
        if (!met)
            return false;
    }
    return true;
}

bool SearchPlan::qualifies(const PartialSet& complete) const {
    return complete.def >= m_minTotalDef && meetsWishes(complete, nullptr, nullptr);
}

} // namespace trelkin
