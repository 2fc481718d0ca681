#pragma once

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

namespace trelkin {

// Runs `work` on this thread and on up to `threads` - 1 more, and returns once every one has ended. Where no more
// threads can be started, the ones that did, this one among them, do all the work, so `work` must share it out
// itself (an atomic next index, say).
template <typename Work> void shareAmongThreads(unsigned threads, const Work& work) {
    std::vector<std::jthread> helpers;
    try {
        for (unsigned i = 1; i < std::max(1u, threads); ++i)
            helpers.emplace_back(work);
    } catch (const std::system_error&) {
        // Fewer threads share the same work.
    }
    work();
}

} // namespace trelkin
