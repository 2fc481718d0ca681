#pragma once

#include "core/data/armour_slot.h"
#include "core/data/common_guard.h"

#include <QString>

namespace trelkin {

// The skill table and the five slot tables of the armour data file, as one owner holds them.
struct ArmourTables {
    guard::TSkillDatas SkillDatas;
    guard::TEquipmentDatas HeadDatas;
    guard::TEquipmentDatas BodyDatas;
    guard::TEquipmentDatas ArmDatas;
    guard::TEquipmentDatas WaistDatas;
    guard::TEquipmentDatas LegDatas;

    const guard::TEquipmentDatas& slotTable(ArmourSlot slot) const;
};

// LoadGuardData into the six tables.
void loadArmourTables(const QString& path, ArmourTables& tables);

} // namespace trelkin
