#include "core/setsearch/key_sum_counter.h"

#include "core/setsearch/set_counter.h"
#include "core/setsearch/sum_key.h"

namespace trelkin {
namespace {

// The key sums a memo may hold, over all its entries: 64 MiB of them at most, per level and counter.
constexpr std::size_t kMemoEntries = std::size_t(4) << 20;

} // namespace

KeySpace::KeySpace(const SearchSpace& space, const CandidateKeys::PieceValue& valueOf)
    : m_space(space), m_keys(space.plan(), valueOf), m_suffixLevel(space.pairs() ? kLastLevel - 1 : kLastLevel),
      m_suffixes(std::make_unique<SuffixIndex>(space.plan(), m_suffixLevel, &m_keys)) {}

// Histograms of completions by the sums they depend on (the defence only where it still decides), emptied once
// they would pass their budget, so that a memo never grows past it.
class KeySumCounter::Memo {
public:
    std::shared_ptr<const KeyCounts> find(const SearchPlan& plan, std::size_t level, const PartialSet& partial) {
        setProbe(plan, level, partial);
        const auto found = m_entries.find(m_probe);
        return found == m_entries.end() ? nullptr : found->second;
    }

    // Stores the counts of the partial set last looked up.
    void insert(std::shared_ptr<const KeyCounts> counts) {
        if (m_held + counts->size() > kMemoEntries) {
            m_entries.clear();
            m_held = 0;
        }
        m_held += counts->size();
        m_entries.emplace(m_probe, std::move(counts));
    }

private:
    void setProbe(const SearchPlan& plan, std::size_t level, const PartialSet& partial) {
        m_probe.clear();
        plan.appendCountState(m_probe, level, partial);
    }

    std::vector<std::int32_t> m_probe;
    std::unordered_map<std::vector<std::int32_t>, std::shared_ptr<const KeyCounts>, SumKeyHash> m_entries;
    std::size_t m_held = 0;
};

KeySumCounter::KeySumCounter(const KeySpace& space, SetSearchControl* control)
    : m_space(space), m_control(control), m_scratch(kArmourSlotCount) {
    for (std::size_t level = 0; level < space.suffixLevel(); ++level)
        m_memos.push_back(std::make_unique<Memo>());
}

KeySumCounter::~KeySumCounter() = default;

std::shared_ptr<const KeyCounts> KeySumCounter::completions(std::size_t level, const PartialSet& partial) {
    const SearchPlan& plan = m_space.plan();
    Memo& memo = *m_memos[level];
    if (std::shared_ptr<const KeyCounts> known = memo.find(plan, level, partial))
        return known;
    std::shared_ptr<const KeyCounts> counts;
    if (level + 1 == m_space.suffixLevel()) {
        const CandidateKeys& keys = m_space.keys();
        KeyCountsBuilder builder(keys.bounded(), keys.lowFrom(level + 1), keys.highFrom(level + 1));
        m_space.suffixes().addCompletions(partial, builder);
        counts = std::make_shared<const KeyCounts>(builder.take());
    } else {
        counts = walk(level, partial);
    }
    memo.insert(counts); // a walk only looks into the memos of the levels below

    return counts;
}

std::shared_ptr<const KeyCounts> KeySumCounter::walk(std::size_t level, const PartialSet& partial) {
    const SearchPlan& plan = m_space.plan();
    const CandidateKeys& keys = m_space.keys();
    const std::size_t next = level + 1;
    KeyCountsBuilder builder(keys.bounded(), keys.lowFrom(next), keys.highFrom(next));
    PartialSet& child = m_scratch[next];
    for (std::size_t c = 0; c < plan.slot(next).size(); ++c) {
        if (m_control && m_control->shouldStop())
            throw SearchStopped{};
        plan.extend(partial, next, c, child);
        if (plan.mayQualify(next, child))
            builder.addShifted(*completions(next, child), keys.value(next, c));
    }
    return std::make_shared<const KeyCounts>(builder.take());
}

std::uint64_t KeySumCounter::completions(std::size_t level, const PartialSet& partial, std::int32_t value) {
    const CandidateKeys& keys = m_space.keys();
    if (keys.bounded() && (value < keys.lowFrom(level + 1) || value > keys.highFrom(level + 1)))
        return 0;
    if (level == kLastLevel)
        return value == 0 && m_space.plan().qualifies(partial) ? 1 : 0;
    if (level >= m_space.suffixLevel())
        return countLastLevel(level, partial, value);
    if (level + 1 == m_space.suffixLevel())
        return m_space.suffixes().completions(partial, value);
    return completions(level, partial)->at(value);
}

std::uint64_t KeySumCounter::countLastLevel(std::size_t level, const PartialSet& partial, std::int32_t value) {
    const SearchPlan& plan = m_space.plan();
    PartialSet& child = m_scratch[kLastLevel];
    std::uint64_t count = 0;
    for (std::size_t c = 0; c < plan.slot(kLastLevel).size(); ++c) {
        if (m_space.keys().value(kLastLevel, c) != value)
            continue;
        plan.extend(partial, level + 1, c, child);
        count += plan.qualifies(child) ? 1 : 0;
    }
    return count;
}

} // namespace trelkin
