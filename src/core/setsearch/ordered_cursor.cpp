#include "core/setsearch/ordered_cursor.h"

#include "core/util/wrapping.h"

#include <algorithm>

namespace trelkin {
namespace {

constexpr std::size_t kItemsPerStep = 256;
constexpr std::size_t kRememberedSums = 8;

} // namespace

OrderedCursor::OrderedCursor(const OrderedResult& order, std::uint64_t rank)
    : m_order(order), m_plan(order.keySpace().plan()), m_keys(order.keySpace().keys()), m_counter(order.keySpace()),
      m_none(m_plan.emptyPartial()) {
    seek(rank);
}

const OrderedCursor::ItemSteps& OrderedCursor::stepsFor(std::int32_t value) {
    const auto known =
        std::find_if(m_steps.begin(), m_steps.end(), [&](const ItemSteps& s) { return s.value == value; });
    if (known != m_steps.end())
        return *known;
    if (m_steps.size() == kRememberedSums)
        m_steps.pop_front();
    ItemSteps steps{value, {}};
    std::uint64_t before = 0;
    for (std::size_t item = 0; item < m_order.itemCount(); ++item) {
        if (item % kItemsPerStep == 0)
            steps.before.push_back(before);
        before += m_order.setsOfItem(item, value);
    }
    m_steps.push_back(std::move(steps));
    return m_steps.back();
}

std::uint64_t OrderedCursor::placeItem(std::int32_t value, std::uint64_t within) {
    const std::vector<std::uint64_t>& before = stepsFor(value).before;
    const std::size_t step = std::size_t(std::upper_bound(before.begin(), before.end(), within) - before.begin()) - 1;
    std::uint64_t counted = before[step];
    for (std::size_t item = step * kItemsPerStep;; ++item) {
        const std::uint64_t sets = m_order.setsOfItem(item, value);
        if (within < counted + sets) {
            placeItemLevels(item);
            return counted;
        }
        counted += sets;
    }
}

void OrderedCursor::placeItemLevels(std::size_t item) {
    m_item = item;
    const std::array<std::size_t, 2> fixed = m_order.result().itemCandidates(item);
    for (std::size_t level = 0; level < m_order.result().itemDepth(); ++level)
        place(level, fixed[level]);
}

void OrderedCursor::place(std::size_t level, std::size_t candidate) {
    m_plan.extend(level == 0 ? m_none : m_partials[level - 1], level, candidate, m_partials[level]);
    m_keySums[level] = wrappingAdd(level == 0 ? 0 : m_keySums[level - 1], m_keys.value(level, candidate));
    m_candidates[level] = candidate;
    m_set.Pieces[level] = m_plan.slot(level).index[candidate];
}

std::uint64_t OrderedCursor::placeAndCount(std::size_t level, std::size_t candidate) {
    place(level, candidate);
    if (!m_plan.mayQualify(level, m_partials[level]))
        return 0;
    return m_counter.completions(level, m_partials[level], wrappingSubtract(m_value, m_keySums[level]));
}

bool OrderedCursor::descend(std::uint64_t within) {
    return descendLoops(m_plan, m_order.result().itemDepth(), 0, within,
                        [this](std::size_t level, std::size_t c) { return placeAndCount(level, c); });
}

void OrderedCursor::seek(std::uint64_t rank) {
    const OrderedResult::Place place = m_order.locate(rank);
    m_rank = rank;
    m_value = place.value;
    const std::uint64_t before = placeItem(place.value, place.within);
    descend(place.within - before);
}

bool OrderedCursor::nextItem() {
    for (std::size_t item = m_item + 1; item < m_order.itemCount(); ++item) {
        if (m_order.setsOfItem(item, m_value) == 0)
            continue;
        placeItemLevels(item);
        return descend(0);
    }
    return false;
}

bool OrderedCursor::next() {
    if (m_rank + 1 >= m_order.size())
        return false;
    if (m_order.locate(m_rank + 1).value != m_value) {
        seek(m_rank + 1);
        return true;
    }
    ++m_rank;
    return stepLoops(m_plan, m_order.result().itemDepth(), m_candidates,
                     [this](std::size_t level, std::size_t c) { return placeAndCount(level, c); }) ||
           nextItem();
}

} // namespace trelkin
