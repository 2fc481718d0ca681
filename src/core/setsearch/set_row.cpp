#include "core/setsearch/set_row.h"

#include "core/setsearch/set_block.h"

namespace trelkin {
namespace {

// The columns of the sums, in the order of the keys from the defence on.
constexpr int kFirstSumColumn = 5;

} // namespace

SetRow setRow(const ArmourTables& tables, const FoundSet& set, bool torsoUp) {
    SetRow row;
    for (const ArmourSlot slot : kArmourSlots)
        row.Names[slotIndex(slot)] = tables.slotTable(slot)[set.Pieces[slotIndex(slot)]].Name;
    row.Defence = setSum(tables, set, SetOrderKey::Defence);
    row.Fire = setSum(tables, set, SetOrderKey::Fire);
    row.Water = setSum(tables, set, SetOrderKey::Water);
    row.Thunder = setSum(tables, set, SetOrderKey::Thunder);
    row.Dragon = setSum(tables, set, SetOrderKey::Dragon);
    row.Price = setSum(tables, set, SetOrderKey::Price);
    row.ActivatedSkills = setActivatedSkills(tables, set, torsoUp);
    return row;
}

std::string setRowLine(const SetRow& row) {
    std::string line;
    for (const std::string& name : row.Names)
        line += name + '\t';
    for (const std::int32_t sum : row.sums())
        line += std::to_string(sum) + '\t';
    for (const std::string& skill : row.ActivatedSkills)
        line += skill + '\t';
    line.pop_back();
    return line;
}

const QStringList& setTableColumns() {
    static const QStringList columns{QStringLiteral("頭"), QStringLiteral("胴"),       QStringLiteral("腕"),
                                     QStringLiteral("腰"), QStringLiteral("脚"),       QStringLiteral("防御力"),
                                     QStringLiteral("火"), QStringLiteral("水"),       QStringLiteral("雷"),
                                     QStringLiteral("龍"), QStringLiteral("生産価格"), QStringLiteral("発動スキル")};
    return columns;
}

std::optional<SetOrderKey> columnOrder(int column) {
    const int key = column - kFirstSumColumn + int(SetOrderKey::Defence);
    if (key < int(SetOrderKey::Defence) || key > int(SetOrderKey::Price))
        return std::nullopt;
    return SetOrderKey(key);
}

std::optional<SetOrder> headerClickOrder(SetOrder current, int column) {
    const std::optional<SetOrderKey> key = columnOrder(column);
    if (!key)
        return std::nullopt;
    return SetOrder{*key, *key == current.key && !current.reversed};
}

std::optional<int> orderColumn(SetOrderKey key) {
    if (key == SetOrderKey::Loop)
        return std::nullopt;
    return int(key) - int(SetOrderKey::Defence) + kFirstSumColumn;
}

} // namespace trelkin
