#include "core/setsearch/suffix_index.h"

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

// Collects the suffixes group by group, then lays each group's defence sums out together, sorted.
class SuffixIndex::Builder {
public:
    explicit Builder(SuffixIndex& index) : m_index(index), m_systems(index.m_plan.systemCount()) {}

    void add(const std::int32_t* points, const std::int32_t* spelling, std::int32_t def) {
        m_probe.clear();
        appendSums(m_probe, points, spelling, m_systems);
        const auto [found, added] = m_lookup.try_emplace(m_probe, m_index.m_groups.size());
        if (added) {
            m_index.m_groups.push_back({m_index.m_keys.size(), 0, 0});
            m_index.m_keys.insert(m_index.m_keys.end(), m_probe.begin(), m_probe.end());
        }
        ++m_index.m_groups[found->second].count;
        m_owner.push_back(found->second);
        m_arrived.push_back(def);
    }

    void finish() {
        std::size_t offset = 0;
        for (Group& group : m_index.m_groups) {
            group.defs = offset;
            offset += group.count;
            group.count = 0;
        }
        m_index.m_defs.resize(m_arrived.size());
        for (std::size_t i = 0; i < m_arrived.size(); ++i) {
            Group& group = m_index.m_groups[m_owner[i]];
            m_index.m_defs[group.defs + group.count++] = m_arrived[i];
        }
        for (const Group& group : m_index.m_groups) {
            const auto begin = m_index.m_defs.begin() + std::ptrdiff_t(group.defs);
            std::sort(begin, begin + std::ptrdiff_t(group.count));
        }
    }

private:
    SuffixIndex& m_index;
    std::size_t m_systems;
    std::vector<std::int32_t> m_probe;
    std::unordered_map<std::vector<std::int32_t>, std::size_t, SumKeyHash> m_lookup;
    std::vector<std::size_t> m_owner;
    std::vector<std::int32_t> m_arrived;
};

SuffixIndex::SuffixIndex(const SearchPlan& plan, std::size_t firstLevel) : m_plan(plan) {
    const std::size_t systems = plan.systemCount();
    const SlotCandidates& legs = plan.slot(kLastLevel);
    Builder builder(*this);
    if (firstLevel == kLastLevel) {
        for (std::size_t l = 0; l < legs.size(); ++l)
            builder.add(legs.points.data() + l * systems, legs.spelling.data() + l * systems, legs.def[l]);
    } else {
        const PartialSet none = plan.emptyPartial();
        PartialSet waist;
        PartialSet pair;
        for (std::size_t w = 0; w < plan.slot(firstLevel).size(); ++w) {
            plan.extend(none, firstLevel, w, waist);
            for (std::size_t l = 0; l < legs.size(); ++l) {
                plan.extend(waist, kLastLevel, l, pair);
                builder.add(pair.points.data(), pair.spelling.data(), pair.def);
            }
        }
    }
    builder.finish();
}

std::uint64_t SuffixIndex::reachingTotal(const Group& group, std::int32_t prefixDef) const {
    // The 32-bit total prefixDef + d reaches the limit for d in [limit - prefixDef, max - prefixDef], taken
    // around the 32-bit circle: one interval, or two where it passes the top.
    const std::int64_t limit = m_plan.minTotalDef();
    const std::int64_t length = kInt32Max - limit;
    std::int64_t low = limit - prefixDef;
    low = (low - kInt32Min) % kInt32Span;
    low = (low < 0 ? low + kInt32Span : low) + kInt32Min;
    const std::int64_t high = low + length;
    const std::int32_t* begin = m_defs.data() + group.defs;
    const std::int32_t* end = begin + group.count;
    if (high <= kInt32Max)
        return countBetween(begin, end, low, high);
    return countBetween(begin, end, low, kInt32Max) + countBetween(begin, end, kInt32Min, high - kInt32Span);
}

std::uint64_t SuffixIndex::completions(const PartialSet& prefix) const {
    const std::size_t systems = m_plan.systemCount();
    std::uint64_t total = 0;
    for (const Group& group : m_groups) {
        const std::int32_t* key = m_keys.data() + group.key;
        if (m_plan.meetsWishes(prefix, key, key + systems))
            total += reachingTotal(group, prefix.def);
    }
    return total;
}

} // namespace trelkin
