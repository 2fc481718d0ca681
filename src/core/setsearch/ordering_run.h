#pragma once

#include "core/setsearch/ordered_result.h"
#include "core/setsearch/set_search_control.h"

#include <QString>
#include <chrono>
#include <future>
#include <memory>

namespace trelkin {

// One ordering of a search's result in flight, the same for the page and the command line: the OrderedResult is
// made on a thread of its own, which the owner waits for a moment, polls, or stops. Destroying the run stops it
// and waits for its thread.
class OrderingRun {
public:
    OrderingRun(std::shared_ptr<const SetSearchResult> result, SetOrderKey key);
    ~OrderingRun();
    OrderingRun(const OrderingRun&) = delete;
    OrderingRun& operator=(const OrderingRun&) = delete;

    SetOrderKey key() const { return m_key; }
    // Waits at most `time` for the order; true once it is done.
    bool waitFor(std::chrono::milliseconds time);
    void wait();
    bool isDone() const;
    void stop();

    // Once done: the order, or none and what failed, for the user ("メモリが不足したため結果を並べ替えられません",
    // or the search's own messages); a stopped run has neither.
    std::shared_ptr<const OrderedResult> ordered() const { return m_ordered; }
    QString failure() const { return m_failure; }

private:
    void take();

    SetOrderKey m_key;
    SetSearchControl m_control;
    std::future<std::shared_ptr<const OrderedResult>> m_pending;
    std::shared_ptr<const OrderedResult> m_ordered;
    QString m_failure;
    bool m_taken = false;
};

} // namespace trelkin
