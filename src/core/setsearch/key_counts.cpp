#include "core/setsearch/key_counts.h"

#include "core/setsearch/count_arithmetic.h"
#include "core/util/wrapping.h"

#include <algorithm>

namespace trelkin {
namespace {

// The widest range of values that gets an array of counts (half a megabyte); wider ones are sorted instead.
constexpr std::int64_t kWidestDenseRange = std::int64_t(1) << 16;

} // namespace

std::uint64_t KeyCounts::at(std::int32_t value) const {
    const auto found = std::lower_bound(m_entries.begin(), m_entries.end(), value,
                                        [](const Entry& entry, std::int32_t v) { return entry.first < v; });
    return found != m_entries.end() && found->first == value ? found->second : 0;
}

std::uint64_t KeyCounts::total() const {
    std::uint64_t sum = 0;
    for (const auto& [value, count] : m_entries)
        sum = addCounts(sum, count);
    return sum;
}

KeyCountsBuilder::KeyCountsBuilder(bool bounded, std::int64_t low, std::int64_t high)
    : m_dense(bounded && high - low < kWidestDenseRange), m_low(low) {
    if (m_dense)
        m_array.assign(std::size_t(high - low + 1), 0);
}

void KeyCountsBuilder::add(std::int32_t value, std::uint64_t count) {
    if (count == 0)
        return;
    if (m_dense) {
        std::uint64_t& slot = m_array[std::size_t(std::int64_t(value) - m_low)];
        slot = addCounts(slot, count);
    } else {
        m_gathered.emplace_back(value, count);
    }
}

void KeyCountsBuilder::addShifted(const KeyCounts& counts, std::int32_t shift, std::uint64_t times) {
    for (const auto& [value, count] : counts.entries())
        add(wrappingAdd(value, shift), multiplyCounts(count, times));
}

KeyCounts KeyCountsBuilder::take() {
    std::vector<KeyCounts::Entry> entries;
    if (m_dense) {
        for (std::size_t i = 0; i < m_array.size(); ++i)
            if (m_array[i] != 0)
                entries.emplace_back(std::int32_t(m_low + std::int64_t(i)), std::exchange(m_array[i], 0));
        return KeyCounts(std::move(entries));
    }
    std::sort(m_gathered.begin(), m_gathered.end());
    for (const auto& [value, count] : m_gathered) {
        if (!entries.empty() && entries.back().first == value)
            entries.back().second = addCounts(entries.back().second, count);
        else
            entries.emplace_back(value, count);
    }
    m_gathered.clear();
    return KeyCounts(std::move(entries));
}

} // namespace trelkin
