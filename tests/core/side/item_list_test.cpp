#include "core/side/item_list.h"
#include "core/text/collation.h"
#include "core/text/count_text.h"
#include "support/scrambled_fixture.h"

#include <gtest/gtest.h>

namespace trelkin {
namespace {

using testing::sjis;
using Names = std::vector<std::string>;

TPrepareData recipe(const std::string& material1, const std::string& material2, const std::string& item) {
    TPrepareData data;
    data.Item = item;
    data.Material1 = material1;
    data.Material2 = material2;
    return data;
}

guard::TEquipmentData piece(const Names& materials) {
    guard::TEquipmentData equipment{.Name = "piece"};
    for (const std::string& material : materials)
        equipment.Materials.push_back({1, material});
    return equipment;
}

weapon::TMaterialDatas weaponMaterials(const Names& names) {
    weapon::TMaterialDatas materials;
    for (const std::string& name : names)
        materials.push_back({1, name});
    return materials;
}

TEST(ItemListTest, ListsEveryMaterialAndItemOnceSorted) {
    const TPrepareDatas recipes{recipe(sjis("薬草"), sjis("アオキノコ"), sjis("回復薬")),
                                recipe(sjis("回復薬"), sjis("ハチミツ"), sjis("回復薬グレート"))};
    ArmourTables armour;
    armour.HeadDatas = {piece({sjis("鉄鉱石"), sjis("回復薬")})};
    armour.LegDatas = {piece({sjis("竜骨")})};
    const weapon::TWeaponDatas weapons{{.CreateMaterials = weaponMaterials({sjis("鉄鉱石"), sjis("牙")}),
                                        .Materials = weaponMaterials({sjis("竜骨"), sjis("爪")})}};

    Names expected{sjis("薬草"),   sjis("アオキノコ"), sjis("回復薬"), sjis("ハチミツ"), sjis("回復薬グレート"),
                   sjis("鉄鉱石"), sjis("竜骨"),       sjis("牙"),     sjis("爪")};
    sortForList(expected);
    EXPECT_EQ(FillItemList(recipes, armour, weapons), expected)
        << "a product that is also a material, and names met in several tables, are listed once";
}

TEST(ItemListTest, KeepsTheFirstWrittenFormOfNamesThatDifferInAsciiCase) {
    const TPrepareDatas recipes{recipe("Ore", "bone", "ORE+")};
    ArmourTables armour;
    armour.BodyDatas = {piece({"ore", "Hide"})};
    armour.HeadDatas = {piece({"hide"})};
    const weapon::TWeaponDatas weapons{
        {.CreateMaterials = weaponMaterials({"BONE"}), .Materials = weaponMaterials({"Fang", "fang", "ore+"})}};
    EXPECT_EQ(FillItemList(recipes, armour, weapons), (Names{"bone", "Fang", "hide", "Ore", "ORE+"}))
        << "recipes before armour, head before body, weapons last";
}

TEST(ItemListTest, EmptyTablesGiveAnEmptyListAndZeroCount) {
    const Names names = FillItemList({}, {}, {});
    EXPECT_TRUE(names.empty());
    EXPECT_EQ(countText(names.size()), sjis("0件"));
    EXPECT_EQ(countText(312), sjis("312件"));
}

} // namespace
} // namespace trelkin
