#include "core/setsearch/set_order.h"

#include "core/util/wrapping.h"

#include <algorithm>

namespace trelkin {

const QStringList& setOrderItems() {
    static const QStringList items{QStringLiteral("検索順"),  QStringLiteral("防御力"), QStringLiteral("火耐性"),
                                   QStringLiteral("水耐性"),  QStringLiteral("雷耐性"), QStringLiteral("龍耐性"),
                                   QStringLiteral("生産価格")};
    return items;
}

const std::array<std::string, kSetOrderKeyCount>& setOrderNames() {
    static const std::array<std::string, kSetOrderKeyCount> names{"loop",    "def",    "fire", "water",
                                                                  "thunder", "dragon", "price"};
    return names;
}

std::optional<SetOrderKey> setOrderKeyNamed(const std::string& name) {
    const auto& names = setOrderNames();
    const auto found = std::find(names.begin(), names.end(), name);
    return found == names.end() ? std::nullopt : std::optional<SetOrderKey>(SetOrderKey(found - names.begin()));
}

bool highestFirst(SetOrderKey key) {
    return key != SetOrderKey::Price;
}

std::int32_t orderValue(const guard::TEquipmentData& piece, SetOrderKey key) {
    switch (key) {
    case SetOrderKey::Defence:
        return piece.Def;
    case SetOrderKey::Fire:
        return piece.Fire;
    case SetOrderKey::Water:
        return piece.Water;
    case SetOrderKey::Thunder:
        return piece.Thunder;
    case SetOrderKey::Dragon:
        return piece.Dragon;
    case SetOrderKey::Price:
        return piece.Production;
    case SetOrderKey::Loop:
        break;
    }
    return 0;
}

std::int32_t setSum(const ArmourTables& tables, const FoundSet& set, SetOrderKey key) {
    std::int32_t sum = 0;
    for (const ArmourSlot slot : kArmourSlots)
        addWrapping(sum, orderValue(tables.slotTable(slot)[set.Pieces[slotIndex(slot)]], key));
    return sum;
}

} // namespace trelkin
