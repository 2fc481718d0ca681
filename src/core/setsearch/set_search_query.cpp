#include "core/setsearch/set_search_query.h"

#include <algorithm>

namespace trelkin {

bool SetSearchQuery::mayStart(const std::array<std::string, kWantedSkillCount>& wanted, bool eachDefChecked,
                              bool totalDefChecked) {
    const bool wish = std::any_of(wanted.begin(), wanted.end(), [](const std::string& name) { return !name.empty(); });
    return wish || eachDefChecked || totalDefChecked;
}

bool passesPieceFilters(const guard::TEquipmentData& piece, const SetSearchQuery& query) {
    if (piece.Def < query.MinEachDef)
        return false;
    if ((query.sex == SetSearchQuery::Sex::Male && !piece.Male) ||
        (query.sex == SetSearchQuery::Sex::Female && !piece.Female))
        return false;
    return !((query.wearerClass == SetSearchQuery::WearerClass::Swordsman && !piece.Swordsman) ||
             (query.wearerClass == SetSearchQuery::WearerClass::Gunner && !piece.Gunner));
}

} // namespace trelkin
