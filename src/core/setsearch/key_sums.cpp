#include "core/setsearch/key_sums.h"

#include "core/setsearch/count_arithmetic.h"
#include "core/setsearch/set_counter.h"
#include "core/setsearch/sum_key.h"
#include "core/util/wrapping.h"

#include <new>
#include <unordered_map>

namespace trelkin {
namespace {

constexpr std::int32_t kNoState = -1;

// The item keys of one prefix state, as counts per key sum.
KeyCounts countedKeys(const std::vector<std::int32_t>& keys) {
    KeyCountsBuilder counted;
    for (const std::int32_t key : keys)
        counted.add(key, 1);
    return counted.take();
}

} // namespace

KeySums::KeySums(std::shared_ptr<const SetSearchResult> result, const CandidateKeys::PieceValue& valueOf,
                 SetSearchControl* control)
    : m_result(std::move(result)), m_keySpace(std::make_unique<const KeySpace>(m_result->space(), valueOf)) {
    KeySumCounter counter(*m_keySpace, control);
    addUp(countItems(counter, control));
}

// Gives each item with sets its prefix's state and key sum, and counts each state's completions once; returns the
// key sums of each state's items.
std::vector<std::vector<std::int32_t>> KeySums::countItems(KeySumCounter& counter, SetSearchControl* control) {
    const SetSearchResult& result = *m_result;
    const SearchPlan& plan = m_keySpace->plan();
    const CandidateKeys& keys = m_keySpace->keys();
    const std::size_t items = result.publishedItems();
    const std::size_t depth = result.itemDepth();
    m_size = result.blocksBefore(items);
    m_itemKey.assign(items, 0);
    m_itemState.assign(items, kNoState);
    std::unordered_map<std::vector<std::int32_t>, std::int32_t, SumKeyHash> stateOf;
    std::vector<std::vector<std::int32_t>> prefixKeys;
    std::vector<std::int32_t> probe;
    const PartialSet none = plan.emptyPartial();
    std::array<PartialSet, 2> partials;
    std::size_t held = 0;
    for (std::size_t item = 0; item < items; ++item) {
        if (result.blocksBefore(item + 1) == result.blocksBefore(item))
            continue;
        if (control && control->shouldStop())
            throw SearchStopped{};
        const std::array<std::size_t, 2> fixed = result.itemCandidates(item);
        std::int32_t key = 0;
        for (std::size_t level = 0; level < depth; ++level) {
            plan.extend(level == 0 ? none : partials[level - 1], level, fixed[level], partials[level]);
            addWrapping(key, keys.value(level, fixed[level]));
        }
        probe.clear();
        plan.appendCountState(probe, depth - 1, partials[depth - 1]);
        const auto [found, added] = stateOf.try_emplace(probe, std::int32_t(m_states.size()));
        if (added) {
            m_states.push_back(counter.completions(depth - 1, partials[depth - 1]));
            prefixKeys.emplace_back();
            held += m_states.back()->size();
            if (held > kMostHeldCounts)
                throw std::bad_alloc();
        }
        m_itemKey[item] = key;
        m_itemState[item] = found->second;
        prefixKeys[std::size_t(found->second)].push_back(key);
    }
    return prefixKeys;
}

// Every set's key sum is its item's plus its completion's: the counts of each state's completions, moved by each of
// its items' sums.
void KeySums::addUp(const std::vector<std::vector<std::int32_t>>& prefixKeys) {
    const CandidateKeys& keys = m_keySpace->keys();
    KeyCountsBuilder builder(keys.bounded(), keys.lowFrom(0), keys.highFrom(0));
    for (std::size_t state = 0; state < m_states.size(); ++state) {
        const KeyCounts items = countedKeys(prefixKeys[state]);
        for (const auto& [key, count] : items.entries())
            builder.addShifted(*m_states[state], key, count);
    }
    m_total = builder.take();
}

std::uint64_t KeySums::setsOfItem(std::size_t item, std::int32_t value) const {
    const std::int32_t state = m_itemState[item];
    return state == kNoState ? 0 : m_states[std::size_t(state)]->at(wrappingSubtract(value, m_itemKey[item]));
}

} // namespace trelkin
