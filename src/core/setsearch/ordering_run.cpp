#include "core/setsearch/ordering_run.h"

#include "core/setsearch/set_counter.h"
#include "core/setsearch/set_search.h"

#include <system_error>

namespace trelkin {
namespace {

const QString kOrderTooLarge = QStringLiteral("メモリが不足したため結果を並べ替えられません");

} // namespace

OrderingRun::OrderingRun(std::shared_ptr<const SetSearchResult> result, SetOrderKey key) : m_key(key) {
    try {
        m_pending = std::async(std::launch::async, [this, result = std::move(result)] {
            return std::make_shared<const OrderedResult>(result, m_key, &m_control);
        });
    } catch (const std::system_error&) {
        m_failure = setSearchEndMessage(SetSearchEnd::NotStarted);
        m_taken = true;
    }
}

OrderingRun::~OrderingRun() {
    stop();
    if (m_pending.valid())
        m_pending.wait();
}

bool OrderingRun::waitFor(std::chrono::milliseconds time) {
    if (!m_taken && m_pending.wait_for(time) == std::future_status::ready)
        take();
    return m_taken;
}

void OrderingRun::wait() {
    if (!m_taken)
        take();
}

bool OrderingRun::isDone() const {
    return m_taken || m_pending.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

void OrderingRun::stop() {
    m_control.requestCancel();
}

void OrderingRun::take() {
    m_taken = true;
    try {
        m_ordered = m_pending.get();
    } catch (const SearchStopped&) {
        // A stopped order has nothing to say.
    } catch (const TooManySets&) {
        m_failure = setSearchEndMessage(SetSearchEnd::TooManySets);
    } catch (const std::bad_alloc&) {
        m_failure = kOrderTooLarge;
    }
}

} // namespace trelkin
