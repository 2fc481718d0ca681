#include "core/setsearch/ordering_run.h"

namespace trelkin {

std::unique_ptr<OrderingRun> startOrdering(std::shared_ptr<const SetSearchResult> result, SetOrderKey key) {
    return std::make_unique<OrderingRun>(
        [result = std::move(result), key](SetSearchControl& control) {
            return std::make_shared<const OrderedResult>(result, key, &control);
        },
        QStringLiteral("メモリが不足したため結果を並べ替えられません"));
}

} // namespace trelkin
