#include "core/armour/armour_search.h"
#include "support/scrambled_fixture.h"

#include <gtest/gtest.h>

namespace trelkin {
namespace {

using guard::TEquipmentData;
using testing::sjis;
using Names = std::vector<std::string>;

Names namesOf(const std::vector<SearchRow>& rows) {
    Names names;
    for (const SearchRow& row : rows)
        names.push_back(row[SearchColumn::Name]);
    return names;
}

Names column(const std::vector<SearchRow>& rows, int index) {
    Names cells;
    for (const SearchRow& row : rows)
        cells.push_back(row[index]);
    return cells;
}

class ArmourSearchTest : public ::testing::Test {
protected:
    ArmourSearchTest() {
        tables.HeadDatas = {
            {.Name = "cap", .Materials = {{2, "ore"}}, .Skills = {{3, "Guard"}}},
            {.Name = "bare", .Materials = {{1, "ore"}}},
            {.Name = "twice", .Materials = {{4, "bone"}}, .Skills = {{1, "Guard"}, {5, "Guard"}}},
        };
        tables.BodyDatas = {
            {.Name = "mail", .Materials = {{1, "bone"}, {7, "ore"}}, .Skills = {{-2, "Heat"}, {6, "Guard"}}},
            {.Name = "robe", .Skills = {{1, "guard"}}},
        };
        tables.LegDatas = {{.Name = "boots", .Materials = {{3, "Ore"}}, .Skills = {{2, "Heat"}}}};
    }

    std::vector<SearchRow> search(const std::string& skill, const std::string& material,
                                  std::optional<ArmourSlot> slot = std::nullopt) const {
        return searchArmour(tables, skill, material, slot);
    }

    ArmourTables tables;
};

TEST_F(ArmourSearchTest, ListsEveryPieceWithASkillAndAMaterialWhenNothingIsChosen) {
    const std::vector<SearchRow> rows = search("", "");
    EXPECT_EQ(namesOf(rows), (Names{"cap", "twice", "mail", "boots"})) << "no skills or no materials, no row";
    EXPECT_EQ(column(rows, SearchColumn::Skill), Names(4));
    EXPECT_EQ(column(rows, SearchColumn::Material), Names(4));
    EXPECT_EQ(countText(rows.size()), sjis("4件"));
}

TEST_F(ArmourSearchTest, ShowsTheFirstQualifyingSkillAndMaterialMatchedExactly) {
    std::vector<SearchRow> rows = search("Guard", "");
    EXPECT_EQ(namesOf(rows), (Names{"cap", "twice", "mail"})) << "\"guard\" differs in case";
    EXPECT_EQ(column(rows, SearchColumn::Skill), (Names{"3", "1", "6"}));

    rows = search("Guard", "ore");
    EXPECT_EQ(namesOf(rows), (Names{"cap", "mail"}));
    EXPECT_EQ(column(rows, SearchColumn::Material), (Names{"2", "7"}));
    EXPECT_EQ(column(rows, SearchColumn::Skill), (Names{"3", "6"}));

    rows = search("", "ore", ArmourSlot::Body);
    EXPECT_EQ(namesOf(rows), Names{"mail"});
    EXPECT_EQ(column(rows, SearchColumn::Skill), Names{""});

    EXPECT_TRUE(search("Heat", "bone", ArmourSlot::Leg).empty());
    EXPECT_EQ(countText(0), sjis("0件"));
}

TEST_F(ArmourSearchTest, WritesTheThirteenColumns) {
    tables.ArmDatas = {{.Name = "arm",
                        .Rare = 5,
                        .Def = 31,
                        .Male = true,
                        .Gunner = true,
                        .Fire = -3,
                        .Water = 2,
                        .Thunder = 0,
                        .Dragon = 7,
                        .Materials = {{9, "ore"}},
                        .Skills = {{-4, "Heat"}}}};
    const std::vector<SearchRow> rows = search("Heat", "ore", ArmourSlot::Arm);
    ASSERT_EQ(rows.size(), 1u);
    const std::string mark = sjis("●");
    EXPECT_EQ(rows[0], (SearchRow{"arm", "31", mark, "", "", mark, "-3", "2", "0", "7", "5", "-4", "9"}));
}

TEST(SlotChoiceTest, OffersAllThenTheFiveSlots) {
    EXPECT_EQ(slotChoiceItems(), (Names{sjis("全て"), sjis("頭"), sjis("胴"), sjis("腕"), sjis("腰"), sjis("脚")}));
    EXPECT_EQ(slotOfChoice(0), std::nullopt);
    EXPECT_EQ(slotOfChoice(2), ArmourSlot::Body);
    EXPECT_EQ(slotOfChoice(5), ArmourSlot::Leg);
}

std::vector<SearchRow> rowsWithDefence(const std::vector<std::string>& defences) {
    std::vector<SearchRow> rows;
    for (const std::string& def : defences) {
        SearchRow row;
        row[SearchColumn::Name] = "p" + std::to_string(rows.size());
        row[SearchColumn::Def] = def;
        rows.push_back(row);
    }
    return rows;
}

TEST(ArmourSortTest, NumberColumnsPutTheLargerFirstOnTheFirstClick) {
    std::vector<SearchRow> rows = rowsWithDefence({"10", "25", "25", "3"});
    SearchSortState state;
    clickColumn(state, SearchColumn::Def);
    EXPECT_EQ(state.SortColumn, SearchColumn::Def);
    EXPECT_TRUE(state.SortForward);
    sortSearchRows(rows, state);
    EXPECT_EQ(column(rows, SearchColumn::Def), (Names{"25", "25", "10", "3"}));
    EXPECT_EQ(namesOf(rows), (Names{"p1", "p2", "p0", "p3"})) << "equal values keep their order";
    clickColumn(state, SearchColumn::Def);
    sortSearchRows(rows, state);
    EXPECT_EQ(column(rows, SearchColumn::Def), (Names{"3", "10", "25", "25"}));
    EXPECT_EQ(ListView2Compare(rows[2], rows[3], state), 0);
}

TEST(ArmourSortTest, EmptyAndNonNumberCellsCountAsZero) {
    std::vector<SearchRow> rows = rowsWithDefence({"", "-1", "x", "1"});
    SearchSortState state{SearchColumn::Def, true};
    sortSearchRows(rows, state);
    EXPECT_EQ(column(rows, SearchColumn::Def), (Names{"1", "", "x", "-1"}));
}

TEST(ArmourSortTest, TextColumnsAscendOnTheFirstClickIgnoringAsciiCase) {
    std::vector<SearchRow> rows(4);
    rows[0][SearchColumn::Name] = "beta";
    rows[1][SearchColumn::Name] = "Alpha";
    rows[2][SearchColumn::Name] = "alpha";
    rows[3][SearchColumn::Name] = "Gamma";
    rows[1][SearchColumn::Male] = sjis("●");
    SearchSortState state;
    EXPECT_EQ(state.SortColumn, SearchColumn::Name);
    EXPECT_FALSE(state.SortForward) << "a fresh result is in descending name order";
    sortSearchRows(rows, state);
    EXPECT_EQ(namesOf(rows), (Names{"Gamma", "beta", "Alpha", "alpha"}));
    clickColumn(state, SearchColumn::Name);
    sortSearchRows(rows, state);
    EXPECT_EQ(namesOf(rows), (Names{"Alpha", "alpha", "beta", "Gamma"}));

    clickColumn(state, SearchColumn::Male);
    sortSearchRows(rows, state);
    EXPECT_EQ(namesOf(rows), (Names{"alpha", "beta", "Gamma", "Alpha"})) << "an empty cell sorts before the mark";
}

} // namespace
} // namespace trelkin
