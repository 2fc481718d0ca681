#pragma once

#include "core/setsearch/set_search_control.h"
#include "core/setsearch/set_search_result.h"

#include <QString>

namespace trelkin {

// How a search ended: NotStarted when the system gave it no thread to run on.
enum class SetSearchEnd { Finished, Cancelled, OutOfMemory, TooManySets, NotStarted };

// The error message of a search that ended by a failure, empty for one that finished or was cancelled.
QString setSearchEndMessage(SetSearchEnd end);

// Finds every set of one head, body, arm, waist and leg piece that passes the per-piece filters, reaches the total
// defence and activates every wanted skill, in the order of five nested loops from each table's last piece down to
// its first, and counts them into `result` item by item. Whole subtrees of the loops are counted at once: by
// bounds that prove no set below qualifies, by the suffix indexes, and by the memo of counts per partial sum;
// nothing that qualifies is ever left out. Runs on up to `threads` threads (at least one) and checks `control`
// at every step of the loops above the last two. The tables must stay unchanged while it runs.
SetSearchEnd searchArmourSets(SetSearchResult& result, SetSearchControl& control, unsigned threads = 2);

} // namespace trelkin
