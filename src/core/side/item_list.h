#pragma once

#include "core/data/data_tables.h"

#include <string>
#include <vector>

namespace trelkin {

// ListBox1 of the "素材・アイテム一覧" page: every name the data uses as a material or crafted item, once each
// and sorted. Names are met in the order recipes (Material1, Material2, Item), armour materials head to leg, then
// weapon production and upgrade materials; of names that differ only in ASCII letter case, the one met first is
// kept.
std::vector<std::string> FillItemList(const DataTables& tables);

} // namespace trelkin
