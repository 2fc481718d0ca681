#include "core/side/item_list.h"

#include "core/text/ascii_case.h"
#include "core/text/collation.h"

#include <set>

namespace trelkin {
namespace {

// Names in the order met, each once with ASCII letter case ignored.
class NameCollector {
public:
    void add(const std::string& name) {
        if (m_seen.insert(asciiUpper(name)).second)
            m_names.push_back(name);
    }

    template <typename Materials> void addMaterials(const Materials& materials) {
        for (const auto& material : materials)
            add(material.Name);
    }

    std::vector<std::string> sorted() && {
        sortForList(m_names);
        return std::move(m_names);
    }

private:
    std::set<std::string> m_seen;
    std::vector<std::string> m_names;
};

} // namespace

std::vector<std::string> FillItemList(const TPrepareDatas& PrepareDatas, const ArmourTables& armourTables,
                                      const weapon::TWeaponDatas& Weapons) {
    NameCollector names;
    for (const TPrepareData& recipe : PrepareDatas) {
        names.add(recipe.Material1);
        names.add(recipe.Material2);
        names.add(recipe.Item);
    }
    for (const ArmourSlot slot : kArmourSlots)
        for (const guard::TEquipmentData& piece : armourTables.slotTable(slot))
            names.addMaterials(piece.Materials);
    for (const weapon::TWeaponData& weapon : Weapons) {
        names.addMaterials(weapon.CreateMaterials);
        names.addMaterials(weapon.Materials);
    }
    return std::move(names).sorted();
}

} // namespace trelkin
