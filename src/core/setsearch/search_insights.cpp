#include "core/setsearch/search_insights.h"

namespace trelkin {

std::unique_ptr<InsightsRun> startInsights(std::shared_ptr<const SetSearchResult> result, const SetSearchQuery& query,
                                           unsigned threads) {
    return std::make_unique<InsightsRun>(
        [result = std::move(result), query, threads](SetSearchControl& control) {
            SearchInsights insights;
            const ArmourTables& tables = result->tables();
            insights.extraSkills = countExtraSkills(tables, query, control, threads);
            insights.pieceCounts = countPieces(result, &control);
            if (result->size() == 0)
                insights.withoutEachWish = countWithoutEachWish(tables, query, control);
            return insights;
        },
        QStringLiteral("メモリが不足したため追加スキルと防具ごとのセット数を数えられません"));
}

} // namespace trelkin
