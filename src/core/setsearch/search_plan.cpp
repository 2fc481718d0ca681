#include "core/setsearch/search_plan.h"

#include "core/armour/evaluation.h"
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

// The spelling that marks a system present under the torso-up rule, where a row matches one spelling only.
constexpr std::int32_t kPresent = 0;

// The skill systems that the wanted skills depend on, and for each wish the rows that would grant it. By the set
// search's own rule a system is a name with ASCII case ignored, and its rows name the spelling met first; by the
// torso-up rule of the evaluation a system is one exact name, and its torso-up entries grant nothing.
class Wishes {
public:
    Wishes(const guard::TSkillDatas& skills, const SetSearchQuery& query, const std::string* extraWish)
        : m_torsoUp(query.TorsoUp) {
        for (const std::string& wanted : query.WantedSkills)
            if (!wanted.empty())
                addWish(skills, wanted);
        if (extraWish)
            addWish(skills, *extraWish);
    }

    // The system of a piece's skill entry, if a wish looks at it.
    std::optional<std::size_t> findSystem(const std::string& name) const {
        const auto found = std::find(m_systems.begin(), m_systems.end(), systemKey(name));
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
    void addWish(const guard::TSkillDatas& skills, const std::string& wanted) {
        std::vector<WantedRow> rows;
        for (const guard::TSkillData& row : skills) {
            if (row.Name != wanted || (m_torsoUp && isTorsoUpEntry(row)))
                continue;
            rows.push_back(
                {systemOf(row.Skill), row.RangeMin, row.RangeMax, m_torsoUp ? kPresent : spellingOf(row.Skill)});
        }
        unreachable = unreachable || rows.empty();
        wishes.push_back(std::move(rows));
    }

    std::string systemKey(const std::string& name) const { return m_torsoUp ? name : asciiUpper(name); }

    std::size_t systemOf(const std::string& skill) {
        if (const std::optional<std::size_t> known = findSystem(skill))
            return *known;
        m_systems.push_back(systemKey(skill));
        return m_systems.size() - 1;
    }
    std::int32_t spellingOf(const std::string& skill) {
        const std::int32_t known = findSpelling(skill);
        if (known != kOtherSpelling)
            return known;
        m_spellings.push_back(skill);
        return std::int32_t(m_spellings.size() - 1);
    }

    bool m_torsoUp;
    std::vector<std::string> m_systems;
    std::vector<std::string> m_spellings;
};

// A candidate's points and spellings per wanted system; under the torso-up rule, the points of the name its
// merged entry has, each system present or absent, and one more number: 1 for a torso-up piece.
void addPoints(SlotCandidates& slot, const guard::TEquipmentData& piece, const Wishes& wishes, bool torsoUp,
               std::size_t base) {
    if (!torsoUp) {
        for (const guard::TEquipmentSkillData& entry : piece.Skills) {
            const std::optional<std::size_t> system = wishes.findSystem(entry.Name);
            if (!system)
                continue;
            slot.points[base + *system] = wrappingAdd(slot.points[base + *system], entry.Val);
            if (slot.spelling[base + *system] == kAbsentSpelling)
                slot.spelling[base + *system] = wishes.findSpelling(entry.Name);
        }
        return;
    }
    for (const auto& [name, points] : mergedSkills(piece)) {
        if (name == kTorsoUpSkill)
            slot.points[base + wishes.systemCount()] = 1;
        if (const std::optional<std::size_t> system = wishes.findSystem(name)) {
            slot.points[base + *system] = points;
            slot.spelling[base + *system] = kPresent;
        }
    }
}

void addCandidate(SlotCandidates& slot, const guard::TEquipmentData& piece, std::uint32_t index, const Wishes& wishes,
                  bool torsoUp) {
    const std::size_t systems = wishes.systemCount() + (torsoUp ? 1 : 0);
    slot.index.push_back(index);
    slot.def.push_back(piece.Def);
    slot.maxDef = std::max(slot.maxDef, piece.Def);
    slot.minDef = std::min(slot.minDef, piece.Def);
    slot.largestMagnitude = std::max(slot.largestMagnitude, std::abs(std::int64_t(piece.Def)));
    const std::size_t base = slot.points.size();
    slot.points.resize(base + systems, 0);
    slot.spelling.resize(base + systems, kAbsentSpelling);
    addPoints(slot, piece, wishes, torsoUp, base);
    for (std::size_t s = 0; s < systems; ++s) {
        const std::int64_t value = slot.points[base + s];
        slot.minPoints[s] = std::min(slot.minPoints[s], value);
        slot.maxPoints[s] = std::max(slot.maxPoints[s], value);
        slot.largestMagnitude = std::max(slot.largestMagnitude, std::abs(value));
    }
}

SlotCandidates collectCandidates(ArmourSlot slotOfTable, const guard::TEquipmentDatas& table,
                                 const SetSearchQuery& query, const Wishes& wishes) {
    const std::size_t systems = wishes.systemCount() + (query.TorsoUp ? 1 : 0);
    SlotCandidates slot;
    slot.minPoints.assign(systems, std::numeric_limits<std::int64_t>::max());
    slot.maxPoints.assign(systems, std::numeric_limits<std::int64_t>::min());
    slot.maxDef = std::numeric_limits<std::int32_t>::min();
    slot.minDef = std::numeric_limits<std::int32_t>::max();
    for (std::size_t i = table.size(); i-- > 0;)
        if (passesPieceFilters(table[i], slotOfTable, query))
            addCandidate(slot, table[i], std::uint32_t(i), wishes, query.TorsoUp);
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

SearchPlan::SearchPlan(const ArmourTables& tables, const SetSearchQuery& query, const std::string* extraWish)
    : m_torsoUp(query.TorsoUp), m_minTotalDef(query.MinTotalDef) {
    Wishes wishes(tables.SkillDatas, query, extraWish);
    m_wantedSystems = wishes.systemCount();
    m_systemCount = m_wantedSystems + (m_torsoUp ? 1 : 0);
    refuseOversizedPoints(tables, m_systemCount);
    std::int64_t largestTotal = 0;
    for (const ArmourSlot slot : kArmourSlots) {
        m_slots[slotIndex(slot)] = collectCandidates(slot, tables.slotTable(slot), query, wishes);
        largestTotal += m_slots[slotIndex(slot)].largestMagnitude;
    }
    // The body's points count up to once more for each of the other four slots' torso-up pieces and its own.
    if (m_torsoUp)
        largestTotal += std::int64_t(kArmourSlotCount) * m_slots[kBodyLevel].largestMagnitude;
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

std::size_t SearchPlan::pointCount() const {
    return m_systemCount + (m_torsoUp ? m_wantedSystems : 0);
}

PartialSet SearchPlan::emptyPartial() const {
    return PartialSet{0, std::vector<std::int32_t>(pointCount(), 0),
                      std::vector<std::int32_t>(m_systemCount, kAbsentSpelling)};
}

void SearchPlan::extend(const PartialSet& parent, std::size_t level, std::size_t candidate, PartialSet& out) const {
    const SlotCandidates& slot = m_slots[level];
    const std::size_t systems = m_systemCount;
    const std::int32_t* points = slot.points.data() + candidate * systems;
    out.def = wrappingAdd(parent.def, slot.def[candidate]);
    out.points = parent.points;
    out.spelling.resize(systems);
    // Under the torso-up rule the body's points wait apart until the set's multiplier is known.
    const bool apart = m_torsoUp && level == kBodyLevel;
    for (std::size_t s = 0; s < systems; ++s) {
        std::int32_t& sum = apart && s < m_wantedSystems ? out.points[systems + s] : out.points[s];
        sum = wrappingAdd(sum, points[s]);
        out.spelling[s] =
            parent.spelling[s] != kAbsentSpelling ? parent.spelling[s] : slot.spelling[candidate * systems + s];
    }
}

bool SearchPlan::mayQualify(std::size_t level, const PartialSet& partial) const {
    if (!m_boundsHold)
        return true;
    if (std::int64_t(partial.def) + m_defRemainder[level] < m_minTotalDef)
        return false;
    // Under the torso-up rule nothing bounds a set's points before its body is known.
    if (m_torsoUp && level < kBodyLevel)
        return true;
    const std::size_t systems = m_systemCount;
    return std::all_of(m_wishes.begin(), m_wishes.end(), [&](const std::vector<WantedRow>& rows) {
        return std::any_of(rows.begin(), rows.end(), [&](const WantedRow& row) {
            const auto [bodyLeast, bodyMost] = bodyPointsRange(level, partial, row.system);
            const std::int64_t sum = partial.points[row.system];
            return sum + m_minRemainder[level * systems + row.system] + bodyLeast <= row.max &&
                   sum + m_maxRemainder[level * systems + row.system] + bodyMost >= row.min;
        });
    });
}

std::pair<std::int64_t, std::int64_t> SearchPlan::bodyPointsRange(std::size_t level, const PartialSet& partial,
                                                                  std::size_t system) const {
    if (!m_torsoUp)
        return {0, 0};
    const std::int64_t body = partial.points[m_systemCount + system];
    const std::int64_t torsoUpPieces = partial.points[m_wantedSystems];
    const std::int64_t fewest = 1 + torsoUpPieces;
    const std::int64_t most = fewest + m_maxRemainder[level * m_systemCount + m_wantedSystems];
    return {std::min(body * fewest, body * most), std::max(body * fewest, body * most)};
}

bool SearchPlan::defenceSettled(std::size_t level, const PartialSet& partial) const {
    return m_boundsHold && std::int64_t(partial.def) + m_minDefRemainder[level] >= m_minTotalDef;
}

void SearchPlan::appendCountState(std::vector<std::int32_t>& key, std::size_t level, const PartialSet& partial) const {
    const bool settled = defenceSettled(level, partial);
    key.push_back(settled ? 1 : 0);
    key.push_back(settled ? 0 : partial.def);
    key.insert(key.end(), partial.points.begin(), partial.points.end());
    key.insert(key.end(), partial.spelling.begin(), partial.spelling.end());
}

bool SearchPlan::meetsWishes(const PartialSet& prefix, const std::int32_t* suffixPoints,
                             const std::int32_t* suffixSpelling) const {
    const std::int32_t multiplier =
        m_torsoUp ? 1 + prefix.points[m_wantedSystems] + (suffixPoints ? suffixPoints[m_wantedSystems] : 0) : 1;
    for (const std::vector<WantedRow>& rows : m_wishes) {
        const bool met = std::any_of(rows.begin(), rows.end(), [&](const WantedRow& row) {
            const std::int32_t own = prefix.spelling[row.system];
            const std::int32_t spelling = own != kAbsentSpelling || !suffixSpelling ? own : suffixSpelling[row.system];
            std::int32_t sum = suffixPoints ? wrappingAdd(prefix.points[row.system], suffixPoints[row.system])
                                            : prefix.points[row.system];
            if (m_torsoUp)
                addWrapping(sum, torsoUpBodyPoints(prefix.points[m_systemCount + row.system], multiplier));
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
