#include "core/combination/recipes_by_item.h"

namespace trelkin {

RecipesByItem::RecipesByItem(const TPrepareDatas& recipes) {
    for (size_t i = 0; i < recipes.size(); ++i)
        m_recipes[recipes[i].Item].push_back(int(i));
}

const std::vector<int>& RecipesByItem::recipesMaking(const std::string& name) const {
    static const std::vector<int> none;
    const auto found = m_recipes.find(name);
    return found == m_recipes.end() ? none : found->second;
}

int RecipesByItem::lastRecipeMaking(const std::string& name) const {
    const std::vector<int>& making = recipesMaking(name);
    return making.empty() ? -1 : making.back();
}

} // namespace trelkin
