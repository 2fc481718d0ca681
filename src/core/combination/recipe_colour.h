#pragma once

#include "core/combination/recipes_by_item.h"
#include "core/data/common_prepare.h"
#include "core/text/rgb.h"

#include <string>

namespace trelkin {

// The colour of a name by how it can be made: blue when the last recipe making it is 調合, orange when that
// recipe is 錬金, black when no recipe makes it.
Rgb RecipeColour(const TPrepareDatas& recipes, const RecipesByItem& byItem, const std::string& name);

// The colour of a node that refers to a recipe (or to none, -1).
Rgb recipeKindColour(const TPrepareDatas& recipes, int recipe);

} // namespace trelkin
