#include "core/combination/material_pairs.h"
#include "core/combination/prepare_details.h"
#include "core/combination/prepare_tree.h"
#include "core/combination/recipe_colour.h"
#include "core/combination/recipe_tree.h"
#include "support/scrambled_fixture.h"

#include <gtest/gtest.h>

namespace trelkin {
namespace {

using testing::sjis;

TPrepareData recipe(std::int32_t no, const char* item, const char* a, const char* b, bool prepare = true,
                    std::int32_t rate = 90) {
    return TPrepareData{no, sjis("説明"), sjis(item), sjis(a), sjis(b), rate, prepare, "1"};
}

TEST(RecipeColourTest, TheLastRecipeMakingANameDecides) {
    const TPrepareDatas recipes{recipe(1, "回復薬", "薬草", "水", true), recipe(2, "回復薬", "薬草", "蜜", false),
                                recipe(3, "秘薬", "回復薬", "蜜", true)};
    const RecipesByItem byItem(recipes);
    EXPECT_EQ(RecipeColour(recipes, byItem, sjis("回復薬")), kOrange);
    EXPECT_EQ(RecipeColour(recipes, byItem, sjis("秘薬")), kBlue);
    EXPECT_EQ(RecipeColour(recipes, byItem, sjis("薬草")), kBlack);
}

TEST(MaterialListTest, HoldsEveryMaterialOnceInListOrder) {
    const TPrepareDatas recipes{recipe(1, "X", "beta", "Alpha"), recipe(2, "Y", "alpha", "beta"),
                                recipe(3, "Z", "ALPHA", "薬草")};
    EXPECT_EQ(FillMaterialList(recipes), (std::vector<std::string>{"Alpha", "beta", sjis("薬草")}));
    EXPECT_EQ(countLabel(152), "(152)");
}

TEST(MaterialPartnersTest, ListsAPartnerOncePerRecipeAndShowsTheLastRecipeMakingIt) {
    const TPrepareDatas recipes{recipe(1, "P", "A", "B"), recipe(2, "Q", "B", "A"), recipe(3, "R", "A", "A"),
                                recipe(4, "A", "C", "D", true, -1), recipe(5, "A", "E", "F", false, 80)};
    const MaterialPartners partners = partnersOf(recipes, "A");
    EXPECT_EQ(partners.partners, (std::vector<std::string>{"A", "A", "B", "B"}));
    EXPECT_EQ(partners.countLabel, "(4)");
    EXPECT_EQ(partners.recipeLine, "A(80%) = E + F");
    EXPECT_EQ(partners.kindLabel, sjis("[ 錬金 ]"));

    const TPrepareDatas minusRate{recipe(1, "A", "C", "D", true, -1)};
    EXPECT_EQ(partnersOf(minusRate, "A").recipeLine, "A(-1%) = C + D");
    EXPECT_EQ(partnersOf(minusRate, "A").kindLabel, sjis("[ 調合 ]"));
    const MaterialPartners unmade = partnersOf(minusRate, "C");
    EXPECT_EQ(unmade.recipeLine, "------(--%) = ---- + ----");
    EXPECT_EQ(unmade.kindLabel, "[ ---- ]");
    EXPECT_EQ(unmade.partners, (std::vector<std::string>{"D"}));
}

TEST(PrepareDetailsTest, ShowsEveryMatchInTheTreeAndTheLastInTheLabels) {
    const TPrepareDatas recipes{recipe(7, "Potion", "Herb", "Water"), recipe(250, "Potion", "Herb", "Honey", false),
                                recipe(9, "Other", "Water", "Herb")};
    const PrepareDetails byItem = ShowPrepareDetails(recipes, PrepareDetailsKey::byItem("Potion"), false);
    EXPECT_EQ(byItem.recipes, (std::vector<int>{0, 1}));
    EXPECT_EQ(byItem.number, 200) << "a number above the field's range shows as its bound";
    EXPECT_EQ(byItem.materials, "Potion = Herb + Honey");
    EXPECT_EQ(byItem.kindLabel, sjis("[ 錬金 ]"));
    EXPECT_EQ(byItem.rate, "90%");
    EXPECT_EQ(byItem.quantity, sjis("1個"));
    EXPECT_EQ(byItem.description, sjis("説明"));

    const PrepareDetails byPair = ShowPrepareDetails(recipes, PrepareDetailsKey::byPair("Herb", "Water"), false);
    EXPECT_EQ(byPair.recipes, (std::vector<int>{0, 2}));
    EXPECT_EQ(ShowPrepareDetails(recipes, PrepareDetailsKey::byNumber(9), true).recipes, std::vector<int>{2});
}

TEST(PrepareDetailsTest, EmptyingSetsTheNumberOnlyUntilTheUserHasEditedIt) {
    const TPrepareDatas recipes{recipe(7, "Potion", "Herb", "Water")};
    const PrepareDetails before = ShowPrepareDetails(recipes, PrepareDetailsKey::none(), false);
    EXPECT_EQ(before.number, 0);
    EXPECT_EQ(before.item, "-----");
    EXPECT_EQ(before.quantity, sjis("--個"));
    EXPECT_EQ(before.materials, "------ = ---- + ----");
    EXPECT_TRUE(before.recipes.empty());
    const PrepareDetails unknownNumber = ShowPrepareDetails(recipes, PrepareDetailsKey::byNumber(42), true);
    EXPECT_FALSE(unknownNumber.number.has_value()) << "the typed number stays in the field";
    EXPECT_EQ(unknownNumber.kindLabel, "[ ---- ]");
    EXPECT_EQ(ShowPrepareDetails(recipes, PrepareDetailsKey::byNumber(7), true).number, 7);
}

// The tree as indented lines "text/recipe", fully open.
std::vector<std::string> lines(const PrepareTree& tree) {
    std::vector<std::string> result;
    tree.visitDepthFirst([&](PrepareTree::NodeId id, int depth) {
        result.push_back(std::string(size_t(depth) * 2, ' ') + tree.node(id).text + "/" +
                         std::to_string(tree.node(id).recipe));
    });
    return result;
}

TEST(PrepareTreeTest, OpensMaterialsIntoEveryRecipeMakingThem) {
    const TPrepareDatas recipes{recipe(1, "Top", "Mid", "Raw"), recipe(2, "Mid", "Ore", "Raw"),
                                recipe(3, "Mid", "Gem", "Ore")};
    EXPECT_EQ(lines(*buildDerivationTree(recipes, {0})),
              (std::vector<std::string>{"Top/0", "  Mid/2", "    Ore/-1", "    Raw/-1", "    Gem/-1", "    Ore/-1",
                                        "  Raw/-1"}));
}

TEST(PrepareTreeTest, ARecipeUsingItsOwnProductIsNotOpenedOut) {
    const TPrepareDatas recipes{recipe(1, "Top", "Mid", "Raw"), recipe(2, "Mid", "Mid", "Ore"),
                                recipe(3, "Ore", "Rock", "Rock")};
    EXPECT_EQ(lines(*buildDerivationTree(recipes, {1})), (std::vector<std::string>{"Mid/1", "  Mid/-1", "  Ore/-1"}));
    EXPECT_EQ(lines(*buildDerivationTree(recipes, {0})),
              (std::vector<std::string>{"Top/0", "  Mid/1", "    Mid/-1", "    Ore/-1", "  Raw/-1"}));
}

TEST(PrepareTreeTest, ALongerCircleStopsWhereANameWouldRepeat) {
    const TPrepareDatas recipes{recipe(1, "A", "B", "x"), recipe(2, "B", "C", "y"), recipe(3, "C", "A", "z")};
    EXPECT_EQ(lines(*buildDerivationTree(recipes, {0})),
              (std::vector<std::string>{"A/0", "  B/1", "    C/2", "      A/0", "      z/-1", "    y/-1", "  x/-1"}));
}

TEST(PrepareTreeTest, SurvivesADerivationChainThousandsOfLevelsDeep) {
    constexpr int kDepth = 20000;
    TPrepareDatas recipes;
    for (int level = 0; level < kDepth; ++level)
        recipes.push_back(TPrepareData{level, "", "m" + std::to_string(level), "m" + std::to_string(level + 1), "raw",
                                       90, true, "1"});
    const auto tree = buildDerivationTree(recipes, {0});
    int deepest = 0;
    size_t count = 0;
    tree->visitDepthFirst([&](PrepareTree::NodeId, int depth) {
        deepest = std::max(deepest, depth);
        ++count;
    });
    EXPECT_EQ(deepest, kDepth);
    EXPECT_EQ(count, size_t(2 * kDepth + 1));
}

TEST(RecipeTreeTest, SortsEveryLevelWithLetterCaseSignificant) {
    const TPrepareDatas recipes{recipe(1, "b", "z", "Y"), recipe(2, "a", "z", "y"), recipe(3, "B", "z", "b"),
                                recipe(4, "a", "q", "p")};
    const auto tree = BuildRecipeTree(recipes);
    EXPECT_EQ(lines(*tree),
              (std::vector<std::string>{"a/1", "  y/-1", "  z/-1", "a/3", "  p/-1", "  q/-1", "b/0", "  Y/-1", "  z/-1",
                                        "B/2", "  b/0", "    Y/-1", "    z/-1", "  z/-1"}));
    EXPECT_EQ(tree->row(tree->topLevel()[2]), 2);
}

} // namespace
} // namespace trelkin
