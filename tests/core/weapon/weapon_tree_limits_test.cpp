#include "core/weapon/weapon_relations.h"
#include "core/weapon/weapon_tree.h"
#include "support/error_of.h"

#include <gtest/gtest.h>

namespace trelkin {
namespace {

using weapon::TWeaponData;
using weapon::TWeaponDatas;

constexpr int kChainLength = 100000;
const std::string kClass = "class";

TWeaponData weaponOf(std::string name, std::string parent) {
    TWeaponData weapon;
    weapon.Type = kClass;
    weapon.Name = std::move(name);
    weapon.ParentWeapon = std::move(parent);
    return weapon;
}

TEST(WeaponTreeLimitsTest, AChainAHundredThousandLevelsDeepIsBuiltWhole) {
    TWeaponDatas weapons;
    weapons.push_back(weaponOf("w0", ""));
    for (int i = 1; i < kChainLength; ++i)
        weapons.push_back(weaponOf("w" + std::to_string(i), "w" + std::to_string(i - 1)));
    const WeaponTree tree = BuildWeaponTree(WeaponRelations(weapons), kClass);
    int deepest = 0;
    std::size_t nodes = 0;
    tree.visitDepthFirst([&](WeaponTree::NodeId, int depth) {
        deepest = std::max(deepest, depth);
        ++nodes;
    });
    EXPECT_EQ(nodes, size_t(kChainLength));
    EXPECT_EQ(deepest, kChainLength - 1);
}

TEST(WeaponTreeLimitsTest, RepeatedNamesThatWouldGrowTheTreeExponentiallyAreRefused) {
    // Two weapons on each of thirty levels, both named after their level and upgraded from the level above:
    // every node has both of the next level below it, so the tree would hold 2^31 nodes.
    constexpr int kLevels = 30;
    TWeaponDatas weapons{weaponOf("level0", "")};
    for (int level = 1; level <= kLevels; ++level)
        for (int copy = 0; copy < 2; ++copy)
            weapons.push_back(weaponOf("level" + std::to_string(level), "level" + std::to_string(level - 1)));
    EXPECT_EQ(testing::errorOf([&] { BuildWeaponTree(WeaponRelations(weapons), kClass); }),
              "武器の派生ツリーが大きすぎます (上限 250000 項目)");
}

} // namespace
} // namespace trelkin
