#pragma once

#include "core/data/armour_tables.h"
#include "core/text/count_text.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trelkin {

// The armour search list ListView2: pieces that carry a skill and need a material, in one slot or all of them.

inline constexpr std::size_t kSearchColumnCount = 13;

// The columns of a result row; column 0 is the row's caption, the piece name. Plain integers, as column clicks
// arrive.
struct SearchColumn {
    enum : int { Name, Def, Male, Female, Swordsman, Gunner, Fire, Water, Thunder, Dragon, Rare, Skill, Material };
};

// The thirteen column texts of one row, code page 932.
using SearchRow = std::array<std::string, kSearchColumnCount>;

// The slot selector CB_Part: "全て", then the five slot captions.
std::vector<std::string> slotChoiceItems();

// The slot that a CB_Part position chooses; no slot (every slot) for "全て".
std::optional<ArmourSlot> slotOfChoice(std::size_t position);

// Appends one row per piece of the table that has a skill entry named `skill` and a material named `material`
// (an empty name accepts any entry; names match exactly). The row shows the points of the first such skill entry
// and the count of the first such material that goes with it; a piece without skill entries or without materials
// gets no row.
void AddEquipmentRows(std::string_view skill, std::string_view material, const guard::TEquipmentDatas& table,
                      std::vector<SearchRow>& rows);

// The rows of one slot, or of all slots in slot order, unsorted.
std::vector<SearchRow> searchArmour(const ArmourTables& tables, std::string_view skill, std::string_view material,
                                    std::optional<ArmourSlot> slot);

// The sort of the result list, carried from one search to the next.
struct SearchSortState {
    int SortColumn = SearchColumn::Name;
    bool SortForward = false;
};

// A click on a column header: the same column reverses the order, another column starts forward.
void clickColumn(SearchSortState& state, int column);

// Whether the list reads in ascending order of its sort column, as the header's indicator shows it: text columns
// ascend when forward, number columns put the larger value first when forward.
bool sortsAscending(const SearchSortState& state);

// Negative when row a goes before row b. Text columns (name and the four wearer marks) ascend when forward, by
// bytes with ASCII letter case ignored; number columns put the larger value first when forward, a cell that is
// no integer counting as 0. Rows with equal keys compare equal.
int ListView2Compare(const SearchRow& a, const SearchRow& b, const SearchSortState& state);

// The positions of the rows in ListView2Compare order; rows with equal keys keep their order.
std::vector<std::size_t> searchRowOrder(const std::vector<SearchRow>& rows, const SearchSortState& state);

// Sorts with ListView2Compare; rows with equal keys keep their order.
void sortSearchRows(std::vector<SearchRow>& rows, const SearchSortState& state);

} // namespace trelkin
