#include "core/weapon/attack_highlight.h"
#include "core/weapon/weapon_attribute.h"
#include "core/weapon/weapon_class.h"
#include "core/weapon/weapon_details.h"
#include "core/weapon/weapon_tree.h"
#include "support/scrambled_fixture.h"

#include <gtest/gtest.h>
#include <random>

namespace trelkin {
namespace {

using testing::sjis;
using weapon::TWeaponData;
using weapon::TWeaponDatas;

TWeaponData weaponOf(const char* type, const char* name, const char* parent = "", std::int32_t attack = 100) {
    TWeaponData w;
    w.Type = sjis(type);
    w.Name = sjis(name);
    w.ParentWeapon = sjis(parent);
    w.Attack = attack;
    return w;
}

TWeaponData withEffects(std::vector<const char*> names) {
    TWeaponData w;
    for (const char* name : names)
        w.Additionaleffects.push_back({sjis(name), 10});
    return w;
}

// The tree as one line per node: two spaces per level, then the node's table index.
std::vector<std::string> outline(const WeaponTree& tree) {
    std::vector<std::string> lines;
    tree.visitDepthFirst([&](WeaponTree::NodeId id, int depth) {
        lines.push_back(std::string(size_t(depth) * 2, ' ') + std::to_string(tree.node(id).weapon));
    });
    return lines;
}

std::vector<std::string> classOutline(const TWeaponDatas& weapons, const char* weaponClass) {
    return outline(BuildWeaponTree(WeaponRelations(weapons), sjis(weaponClass)));
}

using Lines = std::vector<std::string>;

TEST(WeaponClassTest, TheFiveClassesHaveIconsOneToFiveAndAnythingElseNone) {
    EXPECT_EQ(WeaponTypeIndex(sjis("片手剣")), 1);
    EXPECT_EQ(WeaponTypeIndex(sjis("双剣")), 2);
    EXPECT_EQ(WeaponTypeIndex(sjis("大剣")), 3);
    EXPECT_EQ(WeaponTypeIndex(sjis("ハンマー")), 4);
    EXPECT_EQ(WeaponTypeIndex(sjis("ランス")), 5);
    EXPECT_EQ(WeaponTypeIndex(sjis("ランス ")), 0) << "compared byte for byte";
    EXPECT_EQ(WeaponTypeIndex(sjis("弓")), 0);
    EXPECT_EQ(WeaponTypeIndex(""), 0);
}

TEST(WeaponAttributeTest, TheLastEffectWinsAndADefenceBonusMovesItToTheSplitBars) {
    EXPECT_EQ(WeaponAttributeIndex(withEffects({"火属性", "防御力"})), 8);
    EXPECT_EQ(WeaponAttributeIndex(withEffects({"防御力"})), 0);
    EXPECT_EQ(WeaponAttributeIndex(withEffects({"毒属性", "火属性"})), 1);
    EXPECT_EQ(WeaponAttributeIndex(withEffects({"会心", "光属性"})), kNoAttributeBar);
    EXPECT_EQ(WeaponAttributeIndex(withEffects({})), kNoAttributeBar);
    EXPECT_EQ(WeaponAttributeIndex(withEffects({"防御力", "睡眠属性", "会心"})), 14);
    EXPECT_EQ(WeaponAttributeIndex(withEffects({"麻痺属性", "水属性"})), 2);
    EXPECT_EQ(WeaponAttributeIndex(withEffects({"雷属性", "龍属性"})), 4);
    EXPECT_EQ(WeaponAttributeIndex(withEffects({"毒属性", "防御力", "麻痺属性"})), 13);
}

TEST(WeaponAttributeTest, BarsFillWithTheirEffectColourAndTheDefenceGreyBelow) {
    EXPECT_EQ(attributeBarFill(0), (AttributeBarFill{Rgb{232, 232, 232}, std::nullopt}));
    EXPECT_EQ(attributeBarFill(1), (AttributeBarFill{Rgb{255, 0, 0}, std::nullopt}));
    EXPECT_EQ(attributeBarFill(2).upper, (Rgb{0, 255, 255}));
    EXPECT_EQ(attributeBarFill(3).upper, (Rgb{255, 255, 0}));
    EXPECT_EQ(attributeBarFill(4).upper, (Rgb{0, 128, 0}));
    EXPECT_EQ(attributeBarFill(5).upper, (Rgb{128, 0, 255}));
    EXPECT_EQ(attributeBarFill(6).upper, (Rgb{128, 128, 128}));
    EXPECT_EQ(attributeBarFill(7), (AttributeBarFill{Rgb{0, 128, 255}, std::nullopt}));
    for (int bar = 8; bar < kAttributeBarCount; ++bar)
        EXPECT_EQ(attributeBarFill(bar), (AttributeBarFill{attributeBarFill(bar - 7).upper, Rgb{232, 232, 232}}));
    EXPECT_EQ(kAttributeBarBorder, (Rgb{143, 143, 143}));
}

TEST(WeaponTreeTest, AParentInAnotherClassShowsTheWeaponTwice) {
    const TWeaponDatas weapons{weaponOf("片手剣", "骨剣"), weaponOf("双剣", "骨双剣", "骨剣"),
                               weaponOf("双剣", "骨双剣改", "骨双剣")};
    EXPECT_EQ(classOutline(weapons, "片手剣"), (Lines{"0", "  1", "    2"}));
    EXPECT_EQ(classOutline(weapons, "双剣"), (Lines{"1", "  2"})) << "its own class shows it at the top";
}

TEST(WeaponTreeTest, TheTwoSpecialNamesAreShownOnlyUnderTheirParent) {
    const TWeaponDatas weapons{weaponOf("片手剣", "骨剣"), weaponOf("双剣", "独龍剣【蒼鬼】", "骨剣"),
                               weaponOf("双剣", "独龍剣改", "独龍剣【蒼鬼】"), weaponOf("ハンマー", "ブロスホーン"),
                               weaponOf("ハンマー", "ブロスホーン改", "ブロスホーン")};
    EXPECT_EQ(classOutline(weapons, "片手剣"), (Lines{"0", "  1", "    2"}));
    EXPECT_TRUE(classOutline(weapons, "双剣").empty()) << "独龍剣改's parent is of its own class";
    EXPECT_TRUE(classOutline(weapons, "ハンマー").empty())
        << "ブロスホーン never stands at the top, so its own-class upgrade is shown nowhere";
}

TEST(WeaponTreeTest, AWeaponIsAtTheTopWhenItsParentIsMissingOrOnlyInOtherClasses) {
    const TWeaponDatas weapons{weaponOf("大剣", "A", "nobody"), weaponOf("ランス", "B"), weaponOf("大剣", "C", "B"),
                               weaponOf("大剣", "D", "C"), weaponOf("弓", "E", "D")};
    EXPECT_EQ(classOutline(weapons, "大剣"), (Lines{"0", "2", "  3", "    4"}))
        << "a weapon of a class without a tree is shown under a shown parent";
    EXPECT_EQ(classOutline(weapons, "ランス"), (Lines{"1", "  2", "    3", "      4"}));
}

TEST(WeaponTreeTest, UpgradesHangUnderEveryWeaponOfTheParentsName) {
    const TWeaponDatas weapons{weaponOf("片手剣", "A"), weaponOf("片手剣", "A"), weaponOf("片手剣", "B", "A")};
    EXPECT_EQ(classOutline(weapons, "片手剣"), (Lines{"0", "  2", "1", "  2"}));
}

TEST(WeaponTreeTest, ChildrenFollowTableOrderDepthFirstWhereverTheParentStands) {
    const TWeaponDatas weapons{weaponOf("双剣", "B2", "A"), weaponOf("片手剣", "C", "B1"), weaponOf("片手剣", "A"),
                               weaponOf("片手剣", "B1", "A"), weaponOf("双剣", "D", "B2")};
    EXPECT_EQ(classOutline(weapons, "片手剣"), (Lines{"2", "  0", "    4", "  3", "    1"}));
}

TEST(WeaponTreeTest, AWeaponWithAnEmptyNameTakesNoLineStartersAsItsUpgrades) {
    const TWeaponDatas weapons{weaponOf("片手剣", ""), weaponOf("片手剣", "A")};
    EXPECT_EQ(classOutline(weapons, "片手剣"), (Lines{"0", "1"}));
}

TEST(WeaponTreeTest, ACircleStopsWhereANameWouldRepeatOnItsPath) {
    const TWeaponDatas weapons{weaponOf("片手剣", "A", "B"), weaponOf("双剣", "B", "A"), weaponOf("片手剣", "C", "C"),
                               weaponOf("大剣", "X", "Y"), weaponOf("大剣", "Y", "X")};
    EXPECT_EQ(classOutline(weapons, "片手剣"), (Lines{"0", "  1", "    0"}));
    EXPECT_EQ(classOutline(weapons, "双剣"), (Lines{"1", "  0", "    1"}));
    EXPECT_TRUE(classOutline(weapons, "大剣").empty()) << "a circle inside one class has no line starter";
}

TEST(WeaponTreeTest, AHundredThousandLevelChainNeitherOverflowsNorLosesANode) {
    constexpr int kDepth = 100000;
    TWeaponDatas weapons(kDepth);
    // The chain runs against table order: the deepest weapon comes first.
    for (int level = 0; level < kDepth; ++level) {
        TWeaponData& w = weapons[size_t(kDepth - 1 - level)];
        w.Type = sjis("ランス");
        w.Name = "L" + std::to_string(level);
        w.ParentWeapon = level == 0 ? "" : "L" + std::to_string(level - 1);
    }
    const WeaponTree tree = BuildWeaponTree(WeaponRelations(weapons), sjis("ランス"));
    ASSERT_EQ(tree.size(), size_t(kDepth));
    ASSERT_EQ(tree.topLevel().size(), 1u);
    int deepest = 0;
    int lastWeapon = -1;
    tree.visitDepthFirst([&](WeaponTree::NodeId id, int depth) {
        deepest = std::max(deepest, depth);
        lastWeapon = tree.node(id).weapon;
    });
    EXPECT_EQ(deepest, kDepth - 1);
    EXPECT_EQ(lastWeapon, 0);
}

// The rule as the words give it: every node's children by a scan of the whole table, recursively, stopping at a
// name already on the path.
void addByScan(const TWeaponDatas& weapons, int weapon, int depth, std::vector<std::string>& path, Lines& lines) {
    lines.push_back(std::string(size_t(depth) * 2, ' ') + std::to_string(weapon));
    if (std::find(path.begin(), path.end(), weapons[size_t(weapon)].Name) != path.end())
        return;
    path.push_back(weapons[size_t(weapon)].Name);
    for (size_t k = 0; k < weapons.size(); ++k)
        if (!weapons[k].ParentWeapon.empty() && weapons[k].ParentWeapon == weapons[size_t(weapon)].Name)
            addByScan(weapons, int(k), depth + 1, path, lines);
    path.pop_back();
}

Lines outlineByScan(const TWeaponDatas& weapons, const std::string& weaponClass) {
    Lines lines;
    for (size_t i = 0; i < weapons.size(); ++i) {
        const TWeaponData& w = weapons[i];
        const bool hasParent = std::any_of(weapons.begin(), weapons.end(), [&](const TWeaponData& p) {
            return p.Name == w.ParentWeapon && p.Type == w.Type;
        });
        if (w.Type != weaponClass || (!w.ParentWeapon.empty() && hasParent))
            continue;
        std::vector<std::string> path;
        addByScan(weapons, int(i), 0, path, lines);
    }
    return lines;
}

TEST(WeaponTreeTest, TheNameIndexGivesTheSameTreesAsScanningTheTable) {
    std::mt19937 random(7);
    const std::vector<std::string> names{"", "A", "B", "C", "D", "E", "F"};
    const auto& classes = weaponClasses();
    for (int round = 0; round < 200; ++round) {
        TWeaponDatas weapons(12);
        for (TWeaponData& w : weapons) {
            w.Type = classes[random() % 2];
            w.Name = names[1 + random() % (names.size() - 1)];
            w.ParentWeapon = names[random() % names.size()];
        }
        for (const std::string& weaponClass : {classes[0], classes[1]})
            ASSERT_EQ(outline(BuildWeaponTree(WeaponRelations(weapons), weaponClass)),
                      outlineByScan(weapons, weaponClass))
                << "round " << round;
    }
}

TEST(AttackHighlightTest, BlueFromTheThresholdOnAndAnyOtherTextCountsAsZero) {
    const TWeaponData w = weaponOf("大剣", "A", "", 500);
    EXPECT_EQ(attackHighlight(w, 500), kBlue);
    EXPECT_EQ(attackHighlight(w, 501), std::nullopt);
    EXPECT_EQ(attackThresholdOf(" 750"), 750);
    EXPECT_EQ(attackThresholdOf(""), 0);
    EXPECT_EQ(attackThresholdOf("5OO"), 0);
}

TEST(WeaponDetailsTest, ShowsDashesFirstThenTheSelectedWeaponOrNothing) {
    const WeaponDetails initial = noWeaponDetails();
    for (const std::string* field :
         {&initial.name, &initial.type, &initial.attack, &initial.sale, &initial.parent, &initial.production})
        EXPECT_EQ(*field, "-----");
    EXPECT_TRUE(initial.effects.empty() && initial.createMaterials.empty() && initial.materials.empty());

    TWeaponData w = weaponOf("大剣", "骨大剣【鬼哭】", "骨大剣", 432);
    w.Additionaleffects = {{sjis("火属性"), 180}, {sjis("防御力"), -3}};
    w.Sale = 2400;
    w.Production = 2100;
    w.CreateMaterials = {{3, sjis("銀鉱石")}};
    w.Materials = {{2, sjis("素材名")}, {1, sjis("竜骨")}};
    const TWeaponDatas weapons{weaponOf("大剣", "骨大剣"), w};
    const WeaponDetails shown = ShowWeaponDetails(weapons, 1);
    EXPECT_EQ(shown.name, sjis("骨大剣【鬼哭】"));
    EXPECT_EQ(shown.type, sjis("大剣"));
    EXPECT_EQ(shown.attack, "432");
    EXPECT_EQ(shown.effects, (Lines{sjis("火属性(180)"), sjis("防御力(-3)")}));
    EXPECT_EQ(shown.sale, "2400");
    EXPECT_EQ(shown.createMaterials, Lines{sjis("銀鉱石(3)")});
    EXPECT_EQ(shown.parent, sjis("骨大剣"));
    EXPECT_EQ(shown.production, "2100");
    EXPECT_EQ(shown.materials, (Lines{sjis("素材名(2)"), sjis("竜骨(1)")}));

    const WeaponDetails plain = ShowWeaponDetails(weapons, 0);
    EXPECT_EQ(plain.sale, "0");
    EXPECT_EQ(plain.production, "0");
    EXPECT_TRUE(plain.createMaterials.empty() && plain.materials.empty());
    EXPECT_EQ(ShowWeaponDetails(weapons, std::nullopt), WeaponDetails{}) << "no selection empties every field";
}

} // namespace
} // namespace trelkin
