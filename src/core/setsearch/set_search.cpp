#include "core/setsearch/set_search.h"

#include "core/setsearch/set_counter.h"
#include "core/util/thread_share.h"

#include <atomic>
#include <limits>

namespace trelkin {
namespace {

// Counts the sets of one work item: its head (and body) fixed, every completion below counted.
class ItemCounter {
public:
    ItemCounter(const SetSearchResult& result, SetSearchControl& control)
        : m_result(result), m_plan(result.space().plan()), m_control(control), m_counter(result.space(), &control),
          m_none(m_plan.emptyPartial()) {}

    std::uint64_t count(std::size_t item) {
        const std::array<std::size_t, 2> fixed = m_result.itemCandidates(item);
        const std::size_t depth = m_result.itemDepth();
        for (std::size_t level = 0; level < depth; ++level) {
            m_plan.extend(level == 0 ? m_none : m_partials[level - 1], level, fixed[level], m_partials[level]);
            m_control.Positions[level].store(std::int32_t(m_plan.slot(level).index[fixed[level]]),
                                             std::memory_order_relaxed);
            if (!m_plan.mayQualify(level, m_partials[level]))
                return 0;
        }
        return m_counter.completions(depth - 1, m_partials[depth - 1]);
    }

private:
    const SetSearchResult& m_result;
    const SearchPlan& m_plan;
    SetSearchControl& m_control;
    SetCounter m_counter;
    PartialSet m_none;
    std::array<PartialSet, 2> m_partials;
};

// The bars end where the loops end: at each slot's last candidate.
void showLoopsEnded(const SearchPlan& plan, SetSearchControl& control) {
    for (std::size_t level = 0; level <= kLastLevel; ++level)
        if (plan.slot(level).size() > 0)
            control.Positions[level] = std::int32_t(plan.slot(level).index.back());
}

} // namespace

QString setSearchEndMessage(SetSearchEnd end) {
    switch (end) {
    case SetSearchEnd::OutOfMemory:
        return QStringLiteral("メモリが不足したため検索を中止しました。見つかったセットは表示されています");
    case SetSearchEnd::TooManySets:
        return QStringLiteral("見つかったセットが多すぎるため検索を中止しました (上限 %1 "
                              "件)。それまでに見つかったセットは表示されています")
            .arg(std::numeric_limits<std::uint64_t>::max());
    case SetSearchEnd::NotStarted:
        return QStringLiteral("検索を開始できませんでした (スレッドを作成できません)");
    case SetSearchEnd::Finished:
    case SetSearchEnd::Cancelled:
        break;
    }
    return {};
}

SetSearchEnd searchArmourSets(SetSearchResult& result, SetSearchControl& control, unsigned threads) {
    std::atomic<std::size_t> nextItem{0};
    std::atomic<SetSearchEnd> failure{SetSearchEnd::Finished};
    const auto work = [&] {
        try {
            ItemCounter counter(result, control);
            for (std::size_t item = nextItem++; item < result.itemCount() && !control.shouldStop(); item = nextItem++)
                result.complete(item, counter.count(item));
        } catch (const SearchStopped&) {
            // A cancel: the result keeps the items published before it.
        } catch (const TooManySets&) {
            failure = SetSearchEnd::TooManySets;
            control.requestCancel();
        } catch (const std::bad_alloc&) {
            failure = SetSearchEnd::OutOfMemory;
            control.requestCancel();
        }
    };
    shareAmongThreads(threads, work);

    if (failure != SetSearchEnd::Finished)
        return failure;
    if (control.cancelRequested())
        return SetSearchEnd::Cancelled;
    showLoopsEnded(result.space().plan(), control);
    return SetSearchEnd::Finished;
}

} // namespace trelkin
