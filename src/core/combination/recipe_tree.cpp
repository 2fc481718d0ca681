#include "core/combination/recipe_tree.h"

namespace trelkin {

std::unique_ptr<PrepareTree> BuildRecipeTree(const TPrepareDatas& recipes) {
    auto tree = std::make_unique<PrepareTree>(recipes, PrepareTree::Order::Sorted);
    for (size_t i = 0; i < recipes.size(); ++i)
        tree->addTopLevel(int(i));
    tree->sortTopLevel();
    return tree;
}

std::unique_ptr<PrepareTree> buildDerivationTree(const TPrepareDatas& recipes, const std::vector<int>& shown) {
    auto tree = std::make_unique<PrepareTree>(recipes, PrepareTree::Order::Table);
    for (const int recipe : shown)
        tree->addTopLevel(recipe);
    return tree;
}

} // namespace trelkin
