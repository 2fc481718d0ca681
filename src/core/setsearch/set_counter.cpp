#include "core/setsearch/set_counter.h"

#include "core/setsearch/sum_key.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace trelkin {
namespace {

// Memory a memo may take, per level and counter: enough that counting four systems of armour whose pieces rarely
// count alike does not empty it again and again.
constexpr std::size_t kMemoBytes = std::size_t(8) << 20;
constexpr std::size_t kFewestMemoEntries = 64;

} // namespace

// Counts by the sums of partial sets (the defence while it decides, points, spellings), in an open-addressed table
// that starts small, doubles as it fills and is emptied once it would pass its budget, so that it never grows past
// that.
class SetCounter::Memo {
public:
    explicit Memo(const SearchPlan& plan, std::size_t level)
        : m_plan(plan), m_level(level), m_width(plan.countStateWidth()) {
        const std::size_t entryBytes = m_width * sizeof(std::int32_t) + sizeof(std::uint64_t) + 1;
        m_largest = kFewestMemoEntries;
        while (m_largest * 2 * entryBytes <= kMemoBytes)
            m_largest *= 2;
    }

    const std::uint64_t* find(const PartialSet& partial) {
        if (m_used.empty())
            return nullptr;
        setProbe(partial);
        const std::size_t slot = slotOf();
        return m_used[slot] ? &m_counts[slot] : nullptr;
    }

    void insert(const PartialSet& partial, std::uint64_t count) {
        if (2 * (m_size + 1) > capacity())
            makeRoom();
        setProbe(partial);
        place(count);
    }

private:
    std::size_t capacity() const { return m_used.size(); }

    void makeRoom() {
        if (capacity() >= m_largest) {
            std::fill(m_used.begin(), m_used.end(), 0);
            m_size = 0;
            return;
        }
        std::vector<std::int32_t> keys = std::move(m_keys);
        std::vector<std::uint64_t> counts = std::move(m_counts);
        std::vector<std::uint8_t> used = std::move(m_used);
        const std::size_t grown = used.empty() ? kFewestMemoEntries : 2 * used.size();
        m_keys.assign(grown * m_width, 0);
        m_counts.assign(grown, 0);
        m_used.assign(grown, 0);
        m_size = 0;
        for (std::size_t slot = 0; slot < used.size(); ++slot) {
            if (!used[slot])
                continue;
            const auto key = keys.begin() + std::ptrdiff_t(slot * m_width);
            m_probe.assign(key, key + std::ptrdiff_t(m_width));
            place(counts[slot]);
        }
    }

    void place(std::uint64_t count) {
        const std::size_t slot = slotOf();
        std::copy(m_probe.begin(), m_probe.end(), m_keys.begin() + std::ptrdiff_t(slot * m_width));
        m_counts[slot] = count;
        m_size += m_used[slot] ? 0 : 1;
        m_used[slot] = 1;
    }

    void setProbe(const PartialSet& partial) {
        m_probe.clear();
        m_plan.appendCountState(m_probe, m_level, partial);
    }

    // The probe's slot, or the free slot where it belongs.
    std::size_t slotOf() const {
        const std::size_t mask = capacity() - 1;
        for (std::size_t slot = hashKey(m_probe.data(), m_probe.size()) & mask;; slot = (slot + 1) & mask)
            if (!m_used[slot] ||
                std::equal(m_probe.begin(), m_probe.end(), m_keys.begin() + std::ptrdiff_t(slot * m_width)))
                return slot;
    }

    const SearchPlan& m_plan;
    std::size_t m_level;
    std::size_t m_width;
    std::size_t m_largest = 0;
    std::size_t m_size = 0;
    std::vector<std::int32_t> m_probe;
    std::vector<std::int32_t> m_keys;
    std::vector<std::uint64_t> m_counts;
    std::vector<std::uint8_t> m_used;
};

SetCounter::SetCounter(const SearchSpace& space, SetSearchControl* control) : m_space(space), m_control(control) {
    for (std::size_t level = 0; level < m_memos.size(); ++level)
        m_memos[level] = std::make_unique<Memo>(space.plan(), level);
}

SetCounter::~SetCounter() = default;

std::uint64_t SetCounter::completions(std::size_t level, const PartialSet& partial) {
    if (level == kLastLevel)
        return plan().qualifies(partial) ? 1 : 0;
    if (level == kLastLevel - 1)
        return m_space.legs().completions(partial);
    Memo& memo = *m_memos[level];
    if (const std::uint64_t* known = memo.find(partial))
        return *known;
    const SuffixIndex* pairs = m_space.pairs();
    const std::uint64_t count = level == kLastLevel - 2 && pairs ? pairs->completions(partial) : walk(level, partial);
    memo.insert(partial, count);
    return count;
}

std::uint64_t SetCounter::walk(std::size_t level, const PartialSet& partial) {
    const std::size_t next = level + 1;
    const SlotCandidates& slot = plan().slot(next);
    PartialSet& child = m_scratch[next];
    std::uint64_t total = 0;
    for (std::size_t c = 0; c < slot.size(); ++c) {
        if (m_control) {
            if (m_control->shouldStop())
                throw SearchStopped{};
            m_control->Positions[next].store(std::int32_t(slot.index[c]), std::memory_order_relaxed);
        }
        plan().extend(partial, next, c, child);
        if (plan().mayQualify(next, child))
            total = addCounts(total, completions(next, child));
    }
    return total;
}

} // namespace trelkin
