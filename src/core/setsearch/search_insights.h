#pragma once

#include "core/setsearch/background_work.h"
#include "core/setsearch/extra_skills.h"
#include "core/setsearch/missing_wishes.h"
#include "core/setsearch/piece_counts.h"
#include "core/setsearch/set_search_result.h"

#include <array>
#include <memory>
#include <vector>

namespace trelkin {

// What a finished search tells beyond its sets: the skills that could still be added, how many sets each piece is
// in, and, where nothing was found, what each wish left out would find.
struct SearchInsights {
    std::vector<ExtraSkill> extraSkills;
    std::array<std::vector<PieceCount>, kArmourSlotCount> pieceCounts;
    std::vector<WithoutWish> withoutEachWish;
};

// Works the insights of a search's result out on a thread of its own, counting on `threads` threads.
using InsightsRun = BackgroundWork<SearchInsights>;
std::unique_ptr<InsightsRun> startInsights(std::shared_ptr<const SetSearchResult> result, const SetSearchQuery& query,
                                           unsigned threads);

} // namespace trelkin
