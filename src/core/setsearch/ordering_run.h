#pragma once

#include "core/setsearch/background_work.h"
#include "core/setsearch/ordered_result.h"

#include <memory>

namespace trelkin {

// An order of a result being worked out on a thread of its own.
using OrderingRun = BackgroundWork<std::shared_ptr<const OrderedResult>>;

// Starts ordering the result by the key; where the order needs more memory than it may take, the run's failure is
// "メモリが不足したため結果を並べ替えられません".
std::unique_ptr<OrderingRun> startOrdering(std::shared_ptr<const SetSearchResult> result, SetOrderKey key);

} // namespace trelkin
