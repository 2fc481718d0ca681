#include "core/data/common_weapon.h"
#include "core/text/error.h"
#include "core/weapon/weapon_relations.h"
#include "core/weapon/weapon_tree.h"

#include <cstdint>
#include <set>
#include <string>
#include <string_view>

// The weapon table of a plain text, whole or cut short by an error, through the tree of every class in it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    trelkin::weapon::TWeaponDatas weapons;
    try {
        trelkin::weapon::readWeaponText(std::string_view(reinterpret_cast<const char*>(data), size), weapons);
    } catch (const trelkin::Error&) {
        // The table keeps its full length with the rest empty; the trees must cope with that as well.
    }
    const trelkin::WeaponRelations relations(weapons);
    std::set<std::string> classes;
    for (const trelkin::weapon::TWeaponData& weapon : weapons)
        classes.insert(weapon.Type);
    for (const std::string& weaponClass : classes) {
        try {
            const trelkin::WeaponTree tree = trelkin::BuildWeaponTree(relations, weaponClass);
            tree.visitDepthFirst(
                [&](trelkin::WeaponTree::NodeId id, int) { weapons.at(size_t(tree.node(id).weapon)); });
        } catch (const trelkin::Error&) {
            // A tree too large to show is refused with a message; only crashes matter here.
        }
    }
    return 0;
}
