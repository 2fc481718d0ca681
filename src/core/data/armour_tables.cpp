#include "core/data/armour_tables.h"

namespace trelkin {

const guard::TEquipmentDatas& ArmourTables::slotTable(ArmourSlot slot) const {
    const std::array<const guard::TEquipmentDatas*, kArmourSlotCount> tables{&HeadDatas, &BodyDatas, &ArmDatas,
                                                                             &WaistDatas, &LegDatas};
    return *tables[slotIndex(slot)];
}

void loadArmourTables(const QString& path, ArmourTables& tables) {
    guard::LoadGuardData(path, tables.SkillDatas, tables.HeadDatas, tables.BodyDatas, tables.ArmDatas,
                         tables.WaistDatas, tables.LegDatas);
}

} // namespace trelkin
