#include "core/setsearch/suffix_index.h"

#include "core/setsearch/candidate_keys.h"
#include "core/setsearch/sum_key.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

namespace trelkin {
namespace {

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kInt32Span = std::int64_t(1) << 32;

// The number of sorted values in [low, high].
std::uint64_t countBetween(const std::int32_t* begin, const std::int32_t* end, std::int64_t low, std::int64_t high) {
    const std::int32_t* first = std::lower_bound(begin, end, low, [](std::int32_t v, std::int64_t x) { return v < x; });
    const std::int32_t* last = std::upper_bound(begin, end, high, [](std::int64_t x, std::int32_t v) { return x < v; });
    return last > first ? std::uint64_t(last - first) : 0;
}

} // namespace

std::uint64_t SuffixIndex::suffixCount(const SearchPlan& plan, std::size_t firstLevel) {
    std::uint64_t count = 1;
    for (std::size_t level = firstLevel; level <= kLastLevel; ++level)
        count *= plan.slot(level).size();
    return count;
}

// Collects the suffixes group by group, then lays each group's suffixes out together, sorted by key sum (where
// there are keys) and then by defence.
class SuffixIndex::Builder {
public:
    explicit Builder(SuffixIndex& index) : m_index(index), m_systems(index.m_plan.systemCount()) {}

    void add(const std::int32_t* points, const std::int32_t* spelling, std::int32_t def, std::int32_t value) {
        m_probe.clear();
        appendSums(m_probe, points, spelling, m_systems);
        const auto [found, added] = m_lookup.try_emplace(m_probe, m_index.m_groups.size());
        if (added) {
            m_index.m_groups.push_back({m_index.m_groupKeys.size(), 0, 0});
            m_index.m_groupKeys.insert(m_index.m_groupKeys.end(), m_probe.begin(), m_probe.end());
        }
        ++m_index.m_groups[found->second].count;
        m_arrived.push_back({found->second, value, def});
    }

    void finish(bool withValues) {
        std::sort(m_arrived.begin(), m_arrived.end());
        std::size_t offset = 0;
        for (Group& group : m_index.m_groups) {
            group.members = offset;
            offset += group.count;
        }
        m_index.m_defs.reserve(m_arrived.size());
        for (const Suffix& suffix : m_arrived) {
            m_index.m_defs.push_back(suffix.def);
            if (withValues)
                m_index.m_values.push_back(suffix.value);
        }
    }

private:
    struct Suffix {
        std::size_t group;
        std::int32_t value;
        std::int32_t def;
        friend auto operator<=>(const Suffix&, const Suffix&) = default;
    };

    SuffixIndex& m_index;
    std::size_t m_systems;
    std::vector<std::int32_t> m_probe;
    std::unordered_map<std::vector<std::int32_t>, std::size_t, SumKeyHash> m_lookup;
    std::vector<Suffix> m_arrived;
};

SuffixIndex::SuffixIndex(const SearchPlan& plan, std::size_t firstLevel, const CandidateKeys* keys) : m_plan(plan) {
    const std::size_t systems = plan.systemCount();
    const SlotCandidates& legs = plan.slot(kLastLevel);
    const auto valueOf = [keys](std::size_t level, std::size_t candidate) {
        return keys ? keys->value(level, candidate) : 0;
    };
    Builder builder(*this);
    if (firstLevel == kLastLevel) {
        for (std::size_t l = 0; l < legs.size(); ++l)
            builder.add(legs.points.data() + l * systems, legs.spelling.data() + l * systems, legs.def[l],
                        valueOf(kLastLevel, l));
    } else {
        const PartialSet none = plan.emptyPartial();
        PartialSet waist;
        PartialSet pair;
        for (std::size_t w = 0; w < plan.slot(firstLevel).size(); ++w) {
            plan.extend(none, firstLevel, w, waist);
            for (std::size_t l = 0; l < legs.size(); ++l) {
                plan.extend(waist, kLastLevel, l, pair);
                builder.add(pair.points.data(), pair.spelling.data(), pair.def,
                            wrappingAdd(valueOf(firstLevel, w), valueOf(kLastLevel, l)));
            }
        }
    }
    builder.finish(keys != nullptr);
}

std::uint64_t SuffixIndex::reachingTotal(const std::int32_t* begin, const std::int32_t* end,
                                         std::int32_t prefixDef) const {
    // The 32-bit total prefixDef + d reaches the limit for d in [limit - prefixDef, max - prefixDef], taken
    // around the 32-bit circle: one interval, or two where it passes the top.
    const std::int64_t limit = m_plan.minTotalDef();
    const std::int64_t length = kInt32Max - limit;
    std::int64_t low = limit - prefixDef;
    low = (low - kInt32Min) % kInt32Span;
    low = (low < 0 ? low + kInt32Span : low) + kInt32Min;
    const std::int64_t high = low + length;
    if (high <= kInt32Max)
        return countBetween(begin, end, low, high);
    return countBetween(begin, end, low, kInt32Max) + countBetween(begin, end, kInt32Min, high - kInt32Span);
}

bool SuffixIndex::meetsWishes(const Group& group, const PartialSet& prefix) const {
    const std::int32_t* key = m_groupKeys.data() + group.key;
    return m_plan.meetsWishes(prefix, key, key + m_plan.systemCount());
}

std::uint64_t SuffixIndex::completions(const PartialSet& prefix) const {
    std::uint64_t total = 0;
    for (const Group& group : m_groups) {
        if (!meetsWishes(group, prefix))
            continue;
        const std::int32_t* defs = m_defs.data() + group.members;
        // With keys the defence sums are sorted only within each key sum.
        if (m_values.empty()) {
            total += reachingTotal(defs, defs + group.count, prefix.def);
            continue;
        }
        for (std::size_t run = 0, next; run < group.count; run = next) {
            next = runEnd(group, run);
            total += reachingTotal(defs + run, defs + next, prefix.def);
        }
    }
    return total;
}

std::uint64_t SuffixIndex::completions(const PartialSet& prefix, std::int32_t value) const {
    std::uint64_t total = 0;
    for (const Group& group : m_groups) {
        if (!meetsWishes(group, prefix))
            continue;
        const std::int32_t* values = m_values.data() + group.members;
        const auto [first, last] = std::equal_range(values, values + group.count, value);
        const std::int32_t* defs = m_defs.data() + group.members;
        total += reachingTotal(defs + (first - values), defs + (last - values), prefix.def);
    }
    return total;
}

void SuffixIndex::addCompletions(const PartialSet& prefix, KeyCountsBuilder& out) const {
    for (const Group& group : m_groups) {
        if (!meetsWishes(group, prefix))
            continue;
        const std::int32_t* defs = m_defs.data() + group.members;
        for (std::size_t run = 0, next; run < group.count; run = next) {
            next = runEnd(group, run);
            out.add(m_values[group.members + run], reachingTotal(defs + run, defs + next, prefix.def));
        }
    }
}

std::size_t SuffixIndex::runEnd(const Group& group, std::size_t run) const {
    const std::int32_t* values = m_values.data() + group.members;
    return std::size_t(std::upper_bound(values + run, values + group.count, values[run]) - values);
}

} // namespace trelkin
