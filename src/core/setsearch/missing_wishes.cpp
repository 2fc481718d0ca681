#include "core/setsearch/missing_wishes.h"

#include "core/setsearch/set_count.h"
#include "core/text/count_text.h"
#include "core/text/cp932.h"

#include <QStringList>
#include <algorithm>

namespace trelkin {

std::vector<WithoutWish> countWithoutEachWish(const ArmourTables& tables, const SetSearchQuery& query,
                                              SetSearchControl& control) {
    std::vector<WithoutWish> counts;
    for (const std::string& wish : query.WantedSkills) {
        const bool counted =
            std::any_of(counts.begin(), counts.end(), [&](const WithoutWish& w) { return w.wish == wish; });
        if (wish.empty() || counted)
            continue;
        SetSearchQuery without = query;
        for (std::string& wanted : without.WantedSkills)
            if (wanted == wish)
                wanted.clear();
        counts.push_back({wish, countSets(tables, without, control)});
    }
    return counts;
}

QString withoutWishesText(const std::vector<WithoutWish>& counts) {
    if (counts.empty())
        return {};
    QStringList without;
    for (const WithoutWish& wish : counts)
        without << QStringLiteral("「%1」を外すと %2").arg(fromCp932(wish.wish), groupedCountText(wish.sets));
    return QStringLiteral("見つかりませんでした。") + without.join(QStringLiteral("、"));
}

} // namespace trelkin
