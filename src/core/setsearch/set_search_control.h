#pragma once

#include "core/data/armour_slot.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace trelkin {

// How the threads of a running search are steered and watched; every member may be used from any thread.
class SetSearchControl {
public:
    // Stops the search at its next check point, paused or not.
    void requestCancel();
    bool cancelRequested() const { return m_cancel.load(std::memory_order_relaxed); }
    // Holds the search's threads at their next check point until resume() or requestCancel().
    void pause();
    void resume();

    // A check point of the search: waits while paused; true once a cancel was requested.
    bool shouldStop();

    // The table index that each slot's loop has reached, head to leg; the page's bars show them.
    std::array<std::atomic<std::int32_t>, kArmourSlotCount> Positions{};

private:
    std::atomic_bool m_cancel{false};
    std::atomic_bool m_paused{false};
    std::mutex m_mutex;
    std::condition_variable m_wake;
};

} // namespace trelkin
