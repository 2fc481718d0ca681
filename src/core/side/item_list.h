#pragma once

#include "core/data/armour_tables.h"
#include "core/data/common_prepare.h"
#include "core/data/common_weapon.h"

#include <string>
#include <vector>

namespace trelkin {

// ListBox1 of the "素材・アイテム一覧" page: every name the data uses as a material or crafted item, once each
// and sorted. Names are met in the order recipes (Material1, Material2, Item), armour materials head to leg, then
// weapon production and upgrade materials; of names that differ only in ASCII letter case, the one met first is
// kept.
std::vector<std::string> FillItemList(const TPrepareDatas& PrepareDatas, const ArmourTables& armourTables,
                                      const weapon::TWeaponDatas& Weapons);

} // namespace trelkin
