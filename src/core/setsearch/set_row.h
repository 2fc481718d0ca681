#pragma once

#include "core/data/armour_tables.h"
#include "core/setsearch/set_order.h"
#include "core/setsearch/set_search_query.h"

#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace trelkin {

// One found set as a row of the result table: the names of its pieces, head to leg, its sums (32-bit, wrapping
// around as the game's do) and its activated skills as its result block lists them (by the torso-up rule where the
// search used it). Text in code page 932.
struct SetRow {
    std::array<std::string, kArmourSlotCount> Names;
    std::int32_t Defence = 0;
    std::int32_t Fire = 0;
    std::int32_t Water = 0;
    std::int32_t Thunder = 0;
    std::int32_t Dragon = 0;
    std::int32_t Price = 0;
    std::vector<std::string> ActivatedSkills;

    static constexpr std::size_t kSumCount = 6;
    // The sums in the order of the table's columns and of a table line.
    std::array<std::int32_t, kSumCount> sums() const { return {Defence, Fire, Water, Thunder, Dragon, Price}; }
};

SetRow setRow(const ArmourTables& tables, const FoundSet& set, bool torsoUp);

// The row as one line: the five names, then defence, fire, water, thunder, dragon and price in decimal, then one
// column per activated skill, all separated by tabs, without a line break.
std::string setRowLine(const SetRow& row);

// The table's columns: "頭" … "脚", "防御力", "火", "水", "雷", "龍", "生産価格", "発動スキル".
const QStringList& setTableColumns();
inline constexpr int kSetTableColumnCount = 12;
// The order a column's header puts the result in; none for a column of names or skills.
std::optional<SetOrderKey> columnOrder(int column);
// The order a click on a column's header chooses: by the column's sum, reversed where the click repeats the order
// already chosen; none for a column of names or skills.
std::optional<SetOrder> headerClickOrder(SetOrder current, int column);
// The column that shows an order's sum; none for the loop order.
std::optional<int> orderColumn(SetOrderKey key);

} // namespace trelkin
