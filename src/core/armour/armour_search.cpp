#include "core/armour/armour_search.h"

#include "core/text/ascii_case.h"
#include "core/text/cp932.h"
#include "core/text/integer_reader.h"

#include <algorithm>
#include <numeric>

namespace trelkin {
namespace {

const std::string kWearerMark = toCp932(QStringLiteral("●"));
const std::string kAllSlots = toCp932(QStringLiteral("全て"));

// The value of a number cell; an empty cell or other text counts as 0.
constexpr std::int32_t kNoNumber = 0;

std::string mark(bool wearable) {
    return wearable ? kWearerMark : std::string();
}

SearchRow makeRow(const guard::TEquipmentData& piece, const guard::TEquipmentSkillData* skill,
                  const guard::TMaterialData* material) {
    SearchRow row;
    row[SearchColumn::Name] = piece.Name;
    row[SearchColumn::Def] = std::to_string(piece.Def);
    row[SearchColumn::Male] = mark(piece.Male);
    row[SearchColumn::Female] = mark(piece.Female);
    row[SearchColumn::Swordsman] = mark(piece.Swordsman);
    row[SearchColumn::Gunner] = mark(piece.Gunner);
    row[SearchColumn::Fire] = std::to_string(piece.Fire);
    row[SearchColumn::Water] = std::to_string(piece.Water);
    row[SearchColumn::Thunder] = std::to_string(piece.Thunder);
    row[SearchColumn::Dragon] = std::to_string(piece.Dragon);
    row[SearchColumn::Rare] = std::to_string(piece.Rare);
    if (skill)
        row[SearchColumn::Skill] = std::to_string(skill->Val);
    if (material)
        row[SearchColumn::Material] = std::to_string(material->Num);
    return row;
}

bool accepts(std::string_view wanted, const std::string& name) {
    return wanted.empty() || wanted == name;
}

const guard::TMaterialData* firstMaterial(const guard::TEquipmentData& piece, std::string_view material) {
    const auto found = std::find_if(piece.Materials.begin(), piece.Materials.end(),
                                    [&](const guard::TMaterialData& entry) { return accepts(material, entry.Name); });
    return found == piece.Materials.end() ? nullptr : &*found;
}

// The first qualifying skill entry for which a material qualifies, with that material.
std::optional<SearchRow> matchPiece(const guard::TEquipmentData& piece, std::string_view skill,
                                    std::string_view material) {
    for (const guard::TEquipmentSkillData& entry : piece.Skills) {
        if (!accepts(skill, entry.Name))
            continue;
        if (const guard::TMaterialData* found = firstMaterial(piece, material))
            return makeRow(piece, skill.empty() ? nullptr : &entry, material.empty() ? nullptr : found);
    }
    return std::nullopt;
}

bool isTextColumn(int column) {
    return column == SearchColumn::Name || (column >= SearchColumn::Male && column <= SearchColumn::Gunner);
}

int compareNumbers(std::int32_t a, std::int32_t b) {
    return (a > b) - (a < b);
}

} // namespace

std::vector<std::string> slotChoiceItems() {
    std::vector<std::string> items{kAllSlots};
    for (const ArmourSlot slot : kArmourSlots)
        items.push_back(slotCaption(slot));
    return items;
}

std::optional<ArmourSlot> slotOfChoice(std::size_t position) {
    if (position == 0 || position > kArmourSlotCount)
        return std::nullopt;
    return kArmourSlots[position - 1];
}

void AddEquipmentRows(std::string_view skill, std::string_view material, const guard::TEquipmentDatas& table,
                      std::vector<SearchRow>& rows) {
    for (const guard::TEquipmentData& piece : table)
        if (std::optional<SearchRow> row = matchPiece(piece, skill, material))
            rows.push_back(std::move(*row));
}

std::vector<SearchRow> searchArmour(const ArmourTables& tables, std::string_view skill, std::string_view material,
                                    std::optional<ArmourSlot> slot) {
    std::vector<SearchRow> rows;
    for (const ArmourSlot each : kArmourSlots)
        if (!slot || *slot == each)
            AddEquipmentRows(skill, material, tables.slotTable(each), rows);
    return rows;
}

void clickColumn(SearchSortState& state, int column) {
    if (column == state.SortColumn) {
        state.SortForward = !state.SortForward;
        return;
    }
    state.SortColumn = column;
    state.SortForward = true;
}

bool sortsAscending(const SearchSortState& state) {
    return isTextColumn(state.SortColumn) == state.SortForward;
}

int ListView2Compare(const SearchRow& a, const SearchRow& b, const SearchSortState& state) {
    const std::string& first = a[state.SortColumn];
    const std::string& second = b[state.SortColumn];
    if (isTextColumn(state.SortColumn)) {
        const int order = compareIgnoringAsciiCase(first, second);
        return state.SortForward ? order : -order;
    }
    // Forward puts the larger value first.
    const int order = compareNumbers(readIntegerOr(first, kNoNumber), readIntegerOr(second, kNoNumber));
    return state.SortForward ? -order : order;
}

std::vector<std::size_t> searchRowOrder(const std::vector<SearchRow>& rows, const SearchSortState& state) {
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return ListView2Compare(rows[a], rows[b], state) < 0; });
    return order;
}

void sortSearchRows(std::vector<SearchRow>& rows, const SearchSortState& state) {
    std::vector<SearchRow> sorted;
    sorted.reserve(rows.size());
    for (const std::size_t index : searchRowOrder(rows, state))
        sorted.push_back(std::move(rows[index]));
    rows = std::move(sorted);
}

} // namespace trelkin
