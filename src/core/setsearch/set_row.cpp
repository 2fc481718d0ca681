#include "core/setsearch/set_row.h"

#include "core/setsearch/set_block.h"
#include "core/util/wrapping.h"

namespace trelkin {
namespace {

// The columns of the sums, in the order of the keys from the defence on.
constexpr int kFirstSumColumn = 5;

} // namespace

SetRow setRow(const ArmourTables& tables, const FoundSet& set, bool torsoUp) {
    SetRow row;
    for (const ArmourSlot slot : kArmourSlots) {
        const guard::TEquipmentData& piece = tables.slotTable(slot)[set.Pieces[slotIndex(slot)]];
        row.Names[slotIndex(slot)] = piece.Name;
        addWrapping(row.Defence, piece.Def);
        addWrapping(row.Fire, piece.Fire);
        addWrapping(row.Water, piece.Water);
        addWrapping(row.Thunder, piece.Thunder);
        addWrapping(row.Dragon, piece.Dragon);
        addWrapping(row.Price, piece.Production);
    }
    row.ActivatedSkills = setActivatedSkills(tables, set, torsoUp);
    return row;
}

std::string setRowLine(const SetRow& row) {
    std::string line;
    for (const std::string& name : row.Names)
        line += name + '\t';
    for (const std::int32_t sum : {row.Defence, row.Fire, row.Water, row.Thunder, row.Dragon, row.Price})
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

std::optional<int> orderColumn(SetOrderKey key) {
    if (key == SetOrderKey::Loop)
        return std::nullopt;
    return int(key) - int(SetOrderKey::Defence) + kFirstSumColumn;
}

} // namespace trelkin
