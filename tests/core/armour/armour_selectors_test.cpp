#include "core/armour/armour_selectors.h"
#include "support/scrambled_fixture.h"

#include <gtest/gtest.h>

namespace trelkin {
namespace {

using guard::TEquipmentData;
using guard::TSkillData;
using testing::sjis;
using Items = std::vector<std::string>;

TEquipmentData pieceWithMaterials(const std::string& name, const std::vector<std::string>& materials) {
    TEquipmentData piece{.Name = name};
    for (const std::string& material : materials)
        piece.Materials.push_back({1, material});
    return piece;
}

TEST(SelectorTest, SlotSelectorsListTheBlankThenEveryNameSorted) {
    const guard::TEquipmentDatas table{{.Name = "beta"}, {.Name = "Alpha"}, {.Name = "beta"}, {.Name = "alpha"}};
    // Letter case is ignored; names equal but for case fall back to byte order.
    EXPECT_EQ(slotSelectorItems(table), (Items{"", "Alpha", "alpha", "beta", "beta"})) << "duplicates are kept";
    EXPECT_EQ(slotSelectorItems({}), Items{""});
}

TEST(SkillListTest, RangeTextsShowOpenEndsAndSpans) {
    EXPECT_EQ(rangeText({.RangeMin = -100, .RangeMax = -10}), sjis("-10以下"));
    EXPECT_EQ(rangeText({.RangeMin = 10, .RangeMax = 100}), sjis("10以上"));
    EXPECT_EQ(rangeText({.RangeMin = 10, .RangeMax = 14}), sjis("10～14"));
    EXPECT_EQ(rangeText({.RangeMin = -100, .RangeMax = 100}), sjis("100以下")) << "the open lower end is tested first";
    EXPECT_EQ(rangeText({.RangeMin = -15, .RangeMax = -11}), sjis("-15～-11"));
}

TEST(SkillListTest, SkillSelectorsListEachSystemOnceAndActivatedSkillsWithDuplicates) {
    const guard::TSkillDatas skills{{"Guard", "Guard+1", 10, 14, "e1"},
                                    {"Guard", "Guard+2", 15, 100, "e2"},
                                    {"GUARD", "Guard+1", 20, 100, "e3"},
                                    {"", "blank", 1, 2, "e4"},
                                    {"Heat", "Cool", -100, -10, "e5"}};
    EXPECT_EQ(skillSystemItems(skills), (Items{"", "Guard", "Heat"}))
        << "first appearance wins, ASCII case is ignored and the blank entry is already there";
    EXPECT_EQ(activatedSkillItems(skills), (Items{"", "Guard+1", "Guard+2", "Guard+1", "blank", "Cool"}));
    const std::vector<SkillListRow> rows = skillListRows(skills);
    ASSERT_EQ(rows.size(), skills.size());
    EXPECT_EQ(rows[1], (SkillListRow{"Guard", "Guard+2", sjis("15以上"), "e2"}));
    EXPECT_EQ(rows[4].Range, sjis("-10以下"));

    EXPECT_EQ(skillSystemItems({}), Items{""});
    EXPECT_EQ(activatedSkillItems({}), Items{""});
}

TEST(SelectorTest, MaterialSelectorListsEveryMaterialOnceSorted) {
    ArmourTables tables;
    tables.LegDatas = {pieceWithMaterials("l", {"ore", "Bone"})};
    tables.HeadDatas = {pieceWithMaterials("h", {"bone", "ore"}), pieceWithMaterials("h2", {sjis("鉄鉱石"), ""})};
    tables.WaistDatas = {pieceWithMaterials("w", {"Ore", sjis("鉄鉱石")})};
    EXPECT_EQ(materialItems(tables), (Items{"", "bone", "ore", sjis("鉄鉱石")}))
        << "the head's spelling comes first and a blank material adds nothing";
    EXPECT_EQ(materialItems({}), Items{""});
}

} // namespace
} // namespace trelkin
