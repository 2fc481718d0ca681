#include "core/setsearch/set_search_query.h"

#include <algorithm>

namespace trelkin {

bool SetSearchQuery::mayStart(const std::array<std::string, kWantedSkillCount>& wanted, bool eachDefChecked,
                              bool totalDefChecked) {
    const bool wish = std::any_of(wanted.begin(), wanted.end(), [](const std::string& name) { return !name.empty(); });
    return wish || eachDefChecked || totalDefChecked;
}

namespace {

template <typename Choice> Choice choiceOf(const QStringList& items, int item) {
    return item >= 0 && item < items.size() ? Choice(item) : Choice{};
}

} // namespace

const QStringList& sexChoiceItems() {
    static const QStringList items{QString(), QStringLiteral("男"), QStringLiteral("女")};
    return items;
}

const QStringList& classChoiceItems() {
    static const QStringList items{QString(), QStringLiteral("剣士"), QStringLiteral("ガンナー")};
    return items;
}

SetSearchQuery::Sex sexOfChoice(int item) {
    return choiceOf<SetSearchQuery::Sex>(sexChoiceItems(), item);
}

SetSearchQuery::WearerClass classOfChoice(int item) {
    return choiceOf<SetSearchQuery::WearerClass>(classChoiceItems(), item);
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
