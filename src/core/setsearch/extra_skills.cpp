#include "core/setsearch/extra_skills.h"

#include "core/armour/evaluation.h"
#include "core/setsearch/most_first.h"
#include "core/setsearch/set_count.h"
#include "core/setsearch/set_counter.h"
#include "core/util/thread_share.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>

namespace trelkin {
namespace {

bool rangeAboveZero(const guard::TSkillDatas& skills, const std::string& name) {
    return std::any_of(skills.begin(), skills.end(), [&](const guard::TSkillData& row) {
        return row.Name == name && !isTorsoUpEntry(row) && row.RangeMin > 0;
    });
}

// Runs `count` for every index below `size` on up to `threads` threads; the first failure stops the others and is
// thrown again here.
template <typename Count> void onThreads(std::size_t size, unsigned threads, SetSearchControl& control, Count count) {
    std::atomic<std::size_t> next{0};
    std::exception_ptr failure;
    std::mutex failing;
    const auto work = [&] {
        try {
            for (std::size_t index = next++; index < size; index = next++)
                count(index);
        } catch (...) {
            const std::lock_guard lock(failing);
            if (!failure)
                failure = std::current_exception();
            control.requestCancel();
        }
    };
    shareAmongThreads(threads, work);
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace

std::vector<std::string> extraSkillCandidates(const guard::TSkillDatas& skills, const SetSearchQuery& query) {
    std::vector<std::string> names;
    for (const guard::TSkillData& row : skills) {
        const bool wished =
            std::find(query.WantedSkills.begin(), query.WantedSkills.end(), row.Name) != query.WantedSkills.end();
        const bool listed = std::find(names.begin(), names.end(), row.Name) != names.end();
        if (!wished && !listed && rangeAboveZero(skills, row.Name))
            names.push_back(row.Name);
    }
    return names;
}

std::vector<ExtraSkill> countExtraSkills(const ArmourTables& tables, const SetSearchQuery& query,
                                         SetSearchControl& control, unsigned threads) {
    // No set found, no skill to add: one count instead of one per candidate. A stopped count says so even where
    // nothing was there to count.
    const std::uint64_t found = countSets(tables, query, control);
    if (control.cancelRequested())
        throw SearchStopped{};
    if (found == 0)
        return {};
    const std::vector<std::string> names = extraSkillCandidates(tables.SkillDatas, query);
    std::vector<ExtraSkill> counted(names.size());
    onThreads(names.size(), threads, control, [&](std::size_t index) {
        counted[index] = {names[index], countSets(tables, query, control, &names[index])};
    });
    if (control.cancelRequested())
        throw SearchStopped{};
    std::erase_if(counted, [](const ExtraSkill& skill) { return skill.sets == 0; });
    sortMostFirst(counted);
    return counted;
}

} // namespace trelkin
