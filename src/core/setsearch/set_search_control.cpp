#include "core/setsearch/set_search_control.h"

namespace trelkin {

void SetSearchControl::requestCancel() {
    {
        const std::lock_guard lock(m_mutex);
        m_cancel = true;
    }
    m_wake.notify_all();
}

void SetSearchControl::pause() {
    const std::lock_guard lock(m_mutex);
    m_paused = true;
}

void SetSearchControl::resume() {
    {
        const std::lock_guard lock(m_mutex);
        m_paused = false;
    }
    m_wake.notify_all();
}

bool SetSearchControl::shouldStop() {
    if (m_paused.load(std::memory_order_relaxed)) {
        std::unique_lock lock(m_mutex);
        m_wake.wait(lock, [this] { return !m_paused || m_cancel; });
    }
    return m_cancel.load(std::memory_order_relaxed);
}

} // namespace trelkin
