#include "core/side/item_list.h"
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
    DataTables tables;
    tables.PrepareDatas = {recipe(sjis("薬草"), sjis("アオキノコ"), sjis("回復薬")),
                           recipe(sjis("回復薬"), sjis("ハチミツ"), sjis("回復薬グレート"))};
    tables.Armour.HeadDatas = {piece({sjis("鉄鉱石"), sjis("回復薬")})};
    tables.Armour.LegDatas = {piece({sjis("竜骨")})};
    tables.Weapons = {{.CreateMaterials = weaponMaterials({sjis("鉄鉱石"), sjis("牙")}),
                       .Materials = weaponMaterials({sjis("竜骨"), sjis("爪")})}};

    // Kana first, in the order of their sounds; kanji in the order of JIS X 0208, as ICU's Japanese collation has it.
    const Names expected{sjis("アオキノコ"), sjis("ハチミツ"), sjis("牙"),   sjis("回復薬"), sjis("回復薬グレート"),
                         sjis("爪"),         sjis("鉄鉱石"),   sjis("薬草"), sjis("竜骨")};
    EXPECT_EQ(FillItemList(tables), expected)
        << "a product that is also a material, and names met in several tables, are listed once";
}

TEST(ItemListTest, KeepsTheFirstWrittenFormOfNamesThatDifferInAsciiCase) {
    DataTables tables;
    tables.PrepareDatas = {recipe("Ore", "bone", "ORE+")};
    tables.Armour.BodyDatas = {piece({"ore", "Hide"})};
    tables.Armour.HeadDatas = {piece({"hide"})};
    tables.Weapons = {
        {.CreateMaterials = weaponMaterials({"BONE"}), .Materials = weaponMaterials({"Fang", "fang", "ore+"})}};
    EXPECT_EQ(FillItemList(tables), (Names{"bone", "Fang", "hide", "Ore", "ORE+"}))
        << "recipes before armour, head before body, weapons last";
}

TEST(ItemListTest, EmptyTablesGiveAnEmptyListAndZeroCount) {
    const Names names = FillItemList(DataTables{});
    EXPECT_TRUE(names.empty());
    EXPECT_EQ(countText(names.size()), sjis("0件"));
    EXPECT_EQ(countText(312), sjis("312件"));
}

} // namespace
} // namespace trelkin
