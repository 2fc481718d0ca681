#include "core/side/item_list.h"

#include "core/text/collation.h"
#include "core/text/unique_names.h"

namespace trelkin {

std::vector<std::string> FillItemList(const DataTables& tables) {
    UniqueNames names;
    for (const TPrepareData& recipe : tables.PrepareDatas) {
        names.add(recipe.Material1);
        names.add(recipe.Material2);
        names.add(recipe.Item);
    }
    for (const ArmourSlot slot : kArmourSlots)
        for (const guard::TEquipmentData& piece : tables.Armour.slotTable(slot))
            names.addNamesOf(piece.Materials);
    for (const weapon::TWeaponData& weapon : tables.Weapons) {
        names.addNamesOf(weapon.CreateMaterials);
        names.addNamesOf(weapon.Materials);
    }
    std::vector<std::string> items = std::move(names).take();
    sortForList(items);
    return items;
}

} // namespace trelkin
