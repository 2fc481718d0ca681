#include "core/setsearch/set_search_run.h"

#include <system_error>

namespace trelkin {

SetSearchRun::SetSearchRun(const ArmourTables& tables, const SetSearchQuery& query, unsigned threads) {
    for (const ArmourSlot slot : kArmourSlots)
        m_control.Positions[slotIndex(slot)] = std::max(0, int(tables.slotTable(slot).size()) - 1);
    try {
        m_thread = std::jthread([this, &tables, query, threads] { run(tables, query, threads); });
    } catch (const std::system_error&) {
        m_end = SetSearchEnd::NotStarted;
        m_done.store(true, std::memory_order_release);
    }
}

SetSearchRun::~SetSearchRun() {
    stop();
    wait();
}

unsigned SetSearchRun::defaultThreads() {
    return std::max(1u, std::thread::hardware_concurrency());
}

void SetSearchRun::run(const ArmourTables& tables, const SetSearchQuery& query, unsigned threads) {
    SetSearchEnd end = SetSearchEnd::Finished;
    try {
        auto result = std::make_shared<SetSearchResult>(std::make_shared<const SearchSpace>(tables, query));
        {
            const std::lock_guard lock(m_mutex);
            m_result = result;
            if (m_stopped)
                result->freeze();
        }
        end = searchArmourSets(*result, m_control, threads);
    } catch (const std::bad_alloc&) {
        end = SetSearchEnd::OutOfMemory;
    }
    {
        const std::lock_guard lock(m_mutex);
        m_end = m_stopped ? SetSearchEnd::Cancelled : end;
    }
    m_done.store(true, std::memory_order_release);
}

SetSearchProgress SetSearchRun::progress() const {
    SetSearchProgress progress;
    for (std::size_t slot = 0; slot < kArmourSlotCount; ++slot)
        progress.positions[slot] = m_control.Positions[slot].load(std::memory_order_relaxed);
    if (const std::shared_ptr<const SetSearchResult> found = result())
        progress.found = found->size();
    return progress;
}

std::shared_ptr<const SetSearchResult> SetSearchRun::result() const {
    const std::lock_guard lock(m_mutex);
    return m_result;
}

void SetSearchRun::stop() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopped = true;
        if (m_result)
            m_result->freeze();
    }
    m_control.requestCancel();
}

void SetSearchRun::wait() {
    if (m_thread.joinable())
        m_thread.join();
}

SetSearchEnd SetSearchRun::end() const {
    const std::lock_guard lock(m_mutex);
    return m_end;
}

} // namespace trelkin
