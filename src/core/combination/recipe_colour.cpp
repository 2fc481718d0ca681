#include "core/combination/recipe_colour.h"

namespace trelkin {

Rgb recipeKindColour(const TPrepareDatas& recipes, int recipe) {
    if (recipe < 0)
        return kBlack;
    return recipes[size_t(recipe)].Prepare ? kBlue : kOrange;
}

Rgb RecipeColour(const TPrepareDatas& recipes, const RecipesByItem& byItem, const std::string& name) {
    return recipeKindColour(recipes, byItem.lastRecipeMaking(name));
}

} // namespace trelkin
