#pragma once

#include "core/setsearch/count_arithmetic.h"
#include "core/setsearch/set_counter.h"
#include "core/setsearch/set_search.h"
#include "core/setsearch/set_search_control.h"

#include <QString>
#include <chrono>
#include <functional>
#include <future>
#include <optional>
#include <system_error>

namespace trelkin {

// Work on a set search's result done on a thread of its own (an order, the skills that could still be added, the
// pieces' counts), the same for the page and the command line: the owner waits for it a moment, polls it, or stops
// it, and the work stops at its next check point. Destroying it stops it and waits for its thread.
template <typename Result> class BackgroundWork {
public:
    using Work = std::function<Result(SetSearchControl& control)>;

    // `outOfMemory` is what the user is told where the work needs more memory than it may take.
    BackgroundWork(Work work, QString outOfMemory) : m_outOfMemory(std::move(outOfMemory)) {
        try {
            m_pending = std::async(std::launch::async, [this, work = std::move(work)] { return work(m_control); });
        } catch (const std::system_error&) {
            m_failure = setSearchEndMessage(SetSearchEnd::NotStarted);
            m_taken = true;
        }
    }
    ~BackgroundWork() {
        stop();
        if (m_pending.valid())
            m_pending.wait();
    }
    BackgroundWork(const BackgroundWork&) = delete;
    BackgroundWork& operator=(const BackgroundWork&) = delete;

    // Waits at most `time`; true once the work is done.
    bool waitFor(std::chrono::milliseconds time) {
        if (!m_taken && m_pending.wait_for(time) == std::future_status::ready)
            take();
        return m_taken;
    }
    void wait() {
        if (!m_taken)
            take();
    }
    void stop() { m_control.requestCancel(); }

    // Once done: what the work made, or none and what failed, for the user; a stopped work has neither.
    const std::optional<Result>& result() const { return m_result; }
    const QString& failure() const { return m_failure; }

private:
    void take() {
        m_taken = true;
        try {
            m_result = m_pending.get();
        } catch (const SearchStopped&) {
            // A stopped work has nothing to say.
        } catch (const TooManySets&) {
            m_failure = setSearchEndMessage(SetSearchEnd::TooManySets);
        } catch (const std::bad_alloc&) {
            m_failure = m_outOfMemory;
        }
    }

    QString m_outOfMemory;
    SetSearchControl m_control;
    std::future<Result> m_pending;
    std::optional<Result> m_result;
    QString m_failure;
    bool m_taken = false;
};

} // namespace trelkin
