#include "core/setsearch/set_count.h"

#include "core/setsearch/set_counter.h"

namespace trelkin {

std::uint64_t countSets(const ArmourTables& tables, const SetSearchQuery& query, SetSearchControl& control,
                        const std::string* extraWish) {
    const SearchSpace space(tables, query, SearchLimits{}, extraWish);
    const SearchPlan& plan = space.plan();
    if (plan.empty())
        return 0;
    SetCounter counter(space, &control);
    const PartialSet none = plan.emptyPartial();
    PartialSet head;
    std::uint64_t total = 0;
    for (std::size_t h = 0; h < plan.slot(0).size(); ++h) {
        if (control.shouldStop())
            throw SearchStopped{};
        plan.extend(none, 0, h, head);
        if (plan.mayQualify(0, head))
            total = addCounts(total, counter.completions(0, head));
    }
    return total;
}

} // namespace trelkin
