#include "core/combination/prepare_details.h"

#include "core/combination/material_pairs.h"
#include "core/text/cp932.h"

#include <algorithm>

namespace trelkin {
namespace {

const std::string kPiecesSuffix = toCp932(QStringLiteral("個"));

PrepareDetails emptyDetails(bool numberEdited) {
    PrepareDetails details;
    if (!numberEdited)
        details.number = kLowestRecipeNumber;
    details.kindLabel = kRecipeKindPlaceholder;
    details.item = "-----";
    details.rate = "-----";
    details.quantity = "--" + kPiecesSuffix;
    details.materials = "------ = ---- + ----";
    return details;
}

void showRecipe(const TPrepareDatas& recipes, int index, PrepareDetails& details) {
    const TPrepareData& recipe = recipes[size_t(index)];
    details.number = std::clamp(recipe.No, kLowestRecipeNumber, kHighestRecipeNumber);
    details.item = recipe.Item;
    details.rate = std::to_string(recipe.Rate) + "%";
    details.quantity = recipe.Quantity + kPiecesSuffix;
    details.description = recipe.Description;
    details.kindLabel = recipeKindLabel(recipe);
    details.materials = recipe.Item + " = " + recipe.Material1 + " + " + recipe.Material2;
    details.recipes.push_back(index);
}

bool isMadeOfPair(const TPrepareData& recipe, const std::string& a, const std::string& b) {
    return (recipe.Material1 == a && recipe.Material2 == b) || (recipe.Material1 == b && recipe.Material2 == a);
}

template <typename Matches> void showMatching(const TPrepareDatas& recipes, Matches matches, PrepareDetails& details) {
    for (size_t i = 0; i < recipes.size(); ++i)
        if (matches(recipes[i]))
            showRecipe(recipes, int(i), details);
}

} // namespace

PrepareDetails ShowPrepareDetails(const TPrepareDatas& recipes, const PrepareDetailsKey& key, bool numberEdited) {
    PrepareDetails details = emptyDetails(numberEdited);
    if (!key.item.empty())
        showMatching(
            recipes, [&](const TPrepareData& r) { return r.Item == key.item; }, details);
    if (key.number != 0)
        showMatching(
            recipes, [&](const TPrepareData& r) { return r.No == key.number; }, details);
    if (!key.material1.empty() && !key.material2.empty())
        showMatching(
            recipes, [&](const TPrepareData& r) { return isMadeOfPair(r, key.material1, key.material2); }, details);
    return details;
}

} // namespace trelkin
