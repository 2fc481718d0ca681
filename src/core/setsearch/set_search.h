#pragma once

#include "core/data/armour_tables.h"
#include "core/setsearch/set_search_query.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

namespace trelkin {

// What a running search shares with whoever watches it; every member may be read from any thread.
struct SetSearchMonitor {
    std::atomic_bool CancelRequested{false};
    // The table index that each slot's loop has reached, head to leg; the page's bars show them.
    std::array<std::atomic<std::int32_t>, kArmourSlotCount> Positions{};
    std::atomic<std::uint64_t> SetsJudged{0}; // complete sets whose defence and skills were tested
    std::atomic<std::uint64_t> SetsFound{0};
};

enum class SetSearchEnd { Finished, Cancelled, OutOfMemory };

// Receives found sets in result order, one batch at a time; batches never overlap in time.
using FoundSetSink = std::function<void(std::vector<FoundSet>&& batch)>;

// Finds every set of one head, body, arm, waist and leg piece that passes the per-piece filters, reaches the
// total defence and activates every wanted skill, in the order of five nested loops from each table's last
// piece down to its first. The tables must stay unchanged while it runs. Subtrees of the loops are skipped only
// where the points and defence that the remaining slots can add prove that no set below qualifies. Runs on up
// to `threads` threads (at least one), splitting the head loop.
SetSearchEnd searchArmourSets(const ArmourTables& tables, const SetSearchQuery& query, SetSearchMonitor& monitor,
                              const FoundSetSink& sink, unsigned threads = 2);

} // namespace trelkin
