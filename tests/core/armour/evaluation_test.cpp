#include "core/armour/evaluation.h"
#include "core/armour/grid_cell_colour.h"
#include "support/scrambled_fixture.h"

#include <gtest/gtest.h>
#include <limits>

namespace trelkin {
namespace {

using guard::TEquipmentData;
using testing::sjis;
using Cells = std::array<std::string, kArmourSlotCount>;
using Names = std::vector<std::string>;

const std::string kTorsoUp = sjis("胴系統倍加");

ArmourSelection select(std::optional<std::string> head, std::optional<std::string> body = std::nullopt,
                       std::optional<std::string> arm = std::nullopt, std::optional<std::string> waist = std::nullopt,
                       std::optional<std::string> leg = std::nullopt) {
    return ArmourSelection{{std::move(head), std::move(body), std::move(arm), std::move(waist), std::move(leg)}};
}

Names activated(const guard::TSkillDatas& skills, std::int32_t points) {
    ArmourTables tables;
    tables.SkillDatas = skills;
    tables.HeadDatas = {{.Name = "h", .Skills = {{points, "A"}}}};
    return EvaluateArmourSet(tables, select("h")).ActivatedSkills;
}

TEST(EvaluationTest, AppliesTheTorsoUpRuleOfTheWorkedExample) {
    ArmourTables tables;
    tables.SkillDatas = {{kTorsoUp, kTorsoUp, -100, 100, ""},
                         {"A", "A+", 15, 100, ""},
                         {"B", "B-", -100, -5, ""},
                         {kTorsoUp, "renamed", -100, 100, ""}};
    tables.HeadDatas = {{.Name = "h", .Skills = {{1, kTorsoUp}}}};
    tables.BodyDatas = {{.Name = "b", .Skills = {{4, "A"}, {-2, "B"}}}};
    tables.ArmDatas = {{.Name = "a", .Skills = {{3, "A"}, {1, kTorsoUp}}}};
    const ArmourSetEvaluation evaluation = EvaluateArmourSet(tables, select("h", "b", "a"));
    EXPECT_EQ(evaluation.TorsoMultiplier, 3);
    const std::vector<EvaluationRow> expected{
        {kTorsoUp, Cells{"E", "", "E", "", ""}, "-"},
        {"A", Cells{"", "12", "3", "", ""}, "15"},
        {"B", Cells{"", "-6", "", "", ""}, "-6"},
    };
    EXPECT_EQ(evaluation.SkillRows, expected);
    EXPECT_TRUE(evaluation.MaterialRows.empty());
    EXPECT_EQ(evaluation.ActivatedSkills, (Names{"A+", "B-"})) << "entries of the torso-up system never activate";
}

TEST(EvaluationTest, TorsoUpCountsInTheBodySlotAndLeavesZeroProductsAlone) {
    ArmourTables tables;
    tables.BodyDatas = {{.Name = "b", .Skills = {{2, "A"}, {0, "Z"}, {5, kTorsoUp}}}};
    tables.LegDatas = {{.Name = "l", .Skills = {{1, "Y"}}}};
    const ArmourSetEvaluation evaluation = EvaluateArmourSet(tables, select(std::nullopt, "b", "", "", "l"));
    EXPECT_EQ(evaluation.TorsoMultiplier, 2);
    const std::vector<EvaluationRow> expected{
        {"A", Cells{"", "4", "", "", ""}, "4"},
        {"Z", Cells{"", "0", "", "", ""}, "0"},
        {kTorsoUp, Cells{"", "E", "", "", ""}, "-"},
        {"Y", Cells{"", "", "", "", "1"}, "1"},
    };
    EXPECT_EQ(evaluation.SkillRows, expected);
}

TEST(EvaluationTest, SumsTotalsAndMergesMaterialsAndSkillsPerSlot) {
    ArmourTables tables;
    tables.HeadDatas = {
        {.Name = "h",
         .Def = 10,
         .Fire = -3,
         .Water = 1,
         .Thunder = 2,
         .Dragon = 0,
         .Sale = 99,
         .Production = 100,
         .Materials = {{2, "ore"}, {1, "Bone"}, {3, "ORE"}}},
        {.Name = "h", .Def = 1000, .Skills = {{9, "A"}}},
    };
    tables.WaistDatas = {{.Name = "w",
                          .Def = 5,
                          .Fire = 1,
                          .Production = 50,
                          .Materials = {{4, "ore"}},
                          .Skills = {{2, "A"}, {3, "a"}, {-1, "B"}}}};
    const ArmourSetEvaluation evaluation = EvaluateArmourSet(tables, select("h", std::nullopt, "none", "w"));
    EXPECT_EQ(evaluation.TotalDef, 15) << "only the first piece of a name is used";
    EXPECT_EQ(evaluation.TotalProduction, 150);
    EXPECT_EQ(evaluation.TotalFire, -2);
    EXPECT_EQ(evaluation.TotalWater, 1);
    EXPECT_EQ(evaluation.TotalThunder, 2);
    EXPECT_EQ(evaluation.TotalDragon, 0);
    const std::vector<EvaluationRow> materials{
        {"ore", Cells{"5", "", "", "4", ""}, "9"},
        {"Bone", Cells{"1", "", "", "", ""}, "1"},
    };
    EXPECT_EQ(evaluation.MaterialRows, materials);
    const std::vector<EvaluationRow> skills{
        {"A", Cells{"", "", "", "5", ""}, "5"},
        {"B", Cells{"", "", "", "-1", ""}, "-1"},
    };
    EXPECT_EQ(evaluation.SkillRows, skills);
}

TEST(EvaluationTest, RowsMatchNamesByteForByteAndTheBodyIsNotMultipliedWithoutTorsoUp) {
    ArmourTables tables;
    tables.HeadDatas = {{.Name = "h", .Skills = {{1, "Atk"}}}};
    tables.BodyDatas = {{.Name = "b", .Skills = {{2, "ATK"}, {3, "Atk"}}}};
    const ArmourSetEvaluation evaluation = EvaluateArmourSet(tables, select("h", "b"));
    EXPECT_EQ(evaluation.TorsoMultiplier, 1);
    const std::vector<EvaluationRow> skills{
        {"Atk", Cells{"1", "", "", "", ""}, "1"},
        {"ATK", Cells{"", "5", "", "", ""}, "5"},
    };
    EXPECT_EQ(evaluation.SkillRows, skills) << "the piece's first spelling names its merged entry";
}

TEST(EvaluationTest, AnEmptySelectionOrUnknownNamesGiveAnEmptyResult) {
    ArmourTables tables;
    tables.SkillDatas = {{"A", "A0", -100, 100, ""}};
    tables.HeadDatas = {{.Name = "h", .Def = 3, .Skills = {{1, kTorsoUp}}}};
    for (const ArmourSelection& selection : {ArmourSelection{}, select(""), select("x", "h")}) {
        const ArmourSetEvaluation evaluation = EvaluateArmourSet(tables, selection);
        EXPECT_EQ(evaluation.TorsoMultiplier, 1);
        EXPECT_EQ(evaluation.TotalDef, 0);
        EXPECT_TRUE(evaluation.SkillRows.empty());
        EXPECT_TRUE(evaluation.MaterialRows.empty());
        EXPECT_TRUE(evaluation.ActivatedSkills.empty()) << "a skill without a row activates nothing";
    }
}

TEST(EvaluationTest, ActivatesEveryEntryWhoseRangeHoldsTheTotalInSkillTableOrder) {
    const guard::TSkillDatas skills{
        {"A", "A-big", 15, 100, ""},   {"A", "A-small", 10, 14, ""},   {"A", "A-any", 10, 100, ""},
        {"A", "A-bad", -100, -10, ""}, {"A", kTorsoUp, -100, 100, ""},
    };
    EXPECT_EQ(activated(skills, 14), (Names{"A-small", "A-any"})) << "bounds are inclusive, ranges may overlap";
    EXPECT_EQ(activated(skills, 15), (Names{"A-big", "A-any"}));
    EXPECT_EQ(activated(skills, -10), Names{"A-bad"});
    EXPECT_EQ(activated(skills, 5), Names{});
}

TEST(EvaluationTest, SumsWrapAroundInsteadOfOverflowing) {
    ArmourTables tables;
    tables.HeadDatas = {{.Name = "h", .Def = std::numeric_limits<std::int32_t>::max()}};
    tables.LegDatas = {{.Name = "l", .Def = 1}};
    EXPECT_EQ(EvaluateArmourSet(tables, select("h", {}, {}, {}, "l")).TotalDef,
              std::numeric_limits<std::int32_t>::min());
}

TEST(GridCellColourTest, SkillCellsAreRedOnlyBelowZeroAndMaterialCellsBlack) {
    EXPECT_EQ(skillCellColour("-6"), kRed);
    for (const char* cell : {"12", "0", "E", "-", ""})
        EXPECT_EQ(skillCellColour(cell), kBlue) << cell;
    EXPECT_EQ(materialCellColour(), kBlack);
    EXPECT_EQ(cellValue("E"), 0);
    EXPECT_EQ(cellValue("-12"), -12);
}

} // namespace
} // namespace trelkin
