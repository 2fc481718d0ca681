#pragma once

#include "core/setsearch/set_search.h"

#include <array>
#include <memory>
#include <mutex>
#include <thread>

namespace trelkin {

// What a running search shows: how far each slot's loop has come and how many blocks are found so far.
struct SetSearchProgress {
    std::array<std::int32_t, kArmourSlotCount> positions{};
    std::uint64_t found = 0;
};

// One set search in flight, the same for the page, the command line and the benchmarks: it starts the search on
// a thread of its own, which prepares the query and then counts on `threads` threads. The owner watches it by
// polling, pauses it while it asks the user something, and stops it at will; a stop takes effect within
// a step of the loops and nothing found after it is published. A run that the system gives no thread is done at
// once and ends NotStarted. The tables must outlive the run and its result.
class SetSearchRun {
public:
    SetSearchRun(const ArmourTables& tables, const SetSearchQuery& query, unsigned threads = defaultThreads());
    // Stops the search and waits for its threads.
    ~SetSearchRun();
    SetSearchRun(const SetSearchRun&) = delete;
    SetSearchRun& operator=(const SetSearchRun&) = delete;

    static unsigned defaultThreads();

    // The bars start full: each slot's position is its table's last index.
    SetSearchProgress progress() const;
    // The result so far; none until the search has prepared its query (and none if that failed).
    std::shared_ptr<const SetSearchResult> result() const;

    void pause() { m_control.pause(); }
    void resume() { m_control.resume(); }
    // Stops the search: from now on the result grows no more, and end() will say Cancelled.
    void stop();

    // Whether the search's threads have ended; end() is then known.
    bool isDone() const { return m_done.load(std::memory_order_acquire); }
    void wait();
    SetSearchEnd end() const;

private:
    void run(const ArmourTables& tables, const SetSearchQuery& query, unsigned threads);

    SetSearchControl m_control;
    mutable std::mutex m_mutex;
    std::shared_ptr<SetSearchResult> m_result;
    bool m_stopped = false;
    SetSearchEnd m_end = SetSearchEnd::Finished;
    std::atomic_bool m_done{false};
    std::jthread m_thread;
};

} // namespace trelkin
