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

namespace {

bool named(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool passesNarrowing(const guard::TEquipmentData& piece, ArmourSlot slot, const SetSearchQuery& query) {
    const std::vector<std::string>& pinned = query.Pinned[slotIndex(slot)];
    if (named(query.Excluded[slotIndex(slot)], piece.Name) || (!pinned.empty() && !named(pinned, piece.Name)))
        return false;
    return !query.MaxRare || piece.Rare <= *query.MaxRare;
}

std::vector<std::string>& narrowedNames(SetSearchQuery& query, ArmourSlot slot, bool pinned) {
    return (pinned ? query.Pinned : query.Excluded)[slotIndex(slot)];
}

} // namespace

void addNarrowing(SetSearchQuery& query, ArmourSlot slot, const std::string& name, bool pinned) {
    std::vector<std::string>& names = narrowedNames(query, slot, pinned);
    if (!named(names, name))
        names.push_back(name);
}

void removeNarrowing(SetSearchQuery& query, ArmourSlot slot, const std::string& name, bool pinned) {
    std::erase(narrowedNames(query, slot, pinned), name);
}

bool passesPieceFilters(const guard::TEquipmentData& piece, ArmourSlot slot, const SetSearchQuery& query) {
    if (piece.Def < query.MinEachDef)
        return false;
    if ((query.sex == SetSearchQuery::Sex::Male && !piece.Male) ||
        (query.sex == SetSearchQuery::Sex::Female && !piece.Female))
        return false;
    if ((query.wearerClass == SetSearchQuery::WearerClass::Swordsman && !piece.Swordsman) ||
        (query.wearerClass == SetSearchQuery::WearerClass::Gunner && !piece.Gunner))
        return false;
    return passesNarrowing(piece, slot, query);
}

} // namespace trelkin
