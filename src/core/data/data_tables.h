#pragma once

#include "core/data/armour_tables.h"
#include "core/data/common_prepare.h"
#include "core/data/common_weapon.h"

#include <QString>

namespace trelkin {

// The tables of the three data files, as one owner holds them: the window for its whole life, a command of
// trelkin-cli for its run.
struct DataTables {
    TPrepareDatas PrepareDatas;
    ArmourTables Armour; // SkillDatas and the five slot tables
    weapon::TWeaponDatas Weapons;
};

// Reads the three data files of a directory in start-up's order: recipes, armour, weapons. The first error
// propagates; the tables then hold what was read up to it.
void loadDataTables(const QString& directory, DataTables& tables);

} // namespace trelkin
