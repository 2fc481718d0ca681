#include "core/combination/recipe_tree.h"
#include "core/combination/recipe_tree_opening.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace trelkin {
namespace {

TPrepareData recipe(const std::string& item, const std::string& a, const std::string& b) {
    return TPrepareData{1, "", item, a, b, 90, true, "1"};
}

// m0 = m1 + raw, m1 = m2 + raw, …: one chain as deep as the table is long.
TPrepareDatas chain(int length) {
    TPrepareDatas recipes;
    for (int level = 0; level < length; ++level)
        recipes.push_back(recipe("m" + std::to_string(level), "m" + std::to_string(level + 1), "raw"));
    return recipes;
}

// e0 = e1 + e1, e1 = e2 + e2, …: a few lines whose tree doubles at every level.
TPrepareDatas doubling(int levels) {
    TPrepareDatas recipes;
    for (int level = 0; level < levels; ++level) {
        const std::string below = "e" + std::to_string(level + 1);
        recipes.push_back(recipe("e" + std::to_string(level), below, below));
    }
    return recipes;
}

int deepestRow(const std::vector<ShownRow>& rows) {
    int deepest = 0;
    for (const ShownRow& row : rows)
        deepest = std::max(deepest, row.depth);
    return deepest;
}

TEST(RecipeTreeOpeningTest, ATreeWithinTheLimitsOpensCompletelyInTreeOrder) {
    const TPrepareDatas recipes{recipe("Top", "Mid", "Raw"), recipe("Mid", "Ore", "Raw"), recipe("Mid", "Gem", "Ore")};
    const auto tree = buildDerivationTree(recipes, {0, 1});
    const RecipeTreeOpening opening = openRecipeTree(*tree);
    EXPECT_TRUE(opening.complete);
    std::vector<std::string> shown;
    for (const ShownRow& row : shownRows(*tree, opening))
        shown.push_back(std::string(size_t(row.depth), ' ') + tree->node(row.id).text);
    EXPECT_EQ(shown, (std::vector<std::string>{"Top", " Mid", "  Ore", "  Raw", "  Gem", "  Ore", " Raw", "Mid", " Ore",
                                               " Raw"}));
}

TEST(RecipeTreeOpeningTest, AChainAHundredThousandLevelsDeepOpensOnlyToTheDepthLimit) {
    constexpr int kLength = 100000;
    const TPrepareDatas recipes = chain(kLength);
    const auto tree = buildDerivationTree(recipes, {0});
    const OpeningLimits limits;
    const RecipeTreeOpening opening = openRecipeTree(*tree);
    EXPECT_FALSE(opening.complete);
    EXPECT_EQ(opening.opened.size(), size_t(limits.depth));
    const std::vector<ShownRow> rows = shownRows(*tree, opening);
    EXPECT_EQ(deepestRow(rows), limits.depth);
    EXPECT_EQ(rows.size(), size_t(2 * limits.depth + 1));
    // Tree order runs down the chain first: the row at each depth is that level's link.
    EXPECT_TRUE(tree->hasChildren(rows[size_t(limits.depth)].id)) << "the deepest shown link stays closed";
}

TEST(RecipeTreeOpeningTest, AnExponentialTreeOpensLevelByLevelUpToTheRowLimit) {
    const TPrepareDatas recipes = doubling(60);
    const auto tree = buildDerivationTree(recipes, {0});
    const OpeningLimits limits{100, 500};
    const RecipeTreeOpening opening = openRecipeTree(*tree, limits);
    EXPECT_FALSE(opening.complete);
    const std::vector<ShownRow> rows = shownRows(*tree, opening);
    // Levels 0 to 5 hold 63 rows; 18 nodes of level 5 then fit two children each.
    EXPECT_EQ(rows.size(), size_t(63 + 2 * 18));
    EXPECT_EQ(deepestRow(rows), 6);
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](const ShownRow& row) { return row.depth == 6; }), 36);

    const RecipeTreeOpening byDefault = openRecipeTree(*tree);
    EXPECT_FALSE(byDefault.complete);
    EXPECT_LE(shownRows(*tree, byDefault).size(), OpeningLimits{}.rows);
}

TEST(RecipeTreeOpeningTest, TheDepthLimitCountsLevelsBelowTheTopLevel) {
    const TPrepareDatas recipes = chain(3);
    const auto tree = buildDerivationTree(recipes, {0});
    EXPECT_TRUE(openRecipeTree(*tree, {100, 3}).complete);
    const RecipeTreeOpening cut = openRecipeTree(*tree, {100, 2});
    EXPECT_FALSE(cut.complete);
    EXPECT_EQ(deepestRow(shownRows(*tree, cut)), 2);
}

} // namespace
} // namespace trelkin
