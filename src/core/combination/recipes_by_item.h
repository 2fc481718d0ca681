#pragma once

#include "core/data/common_prepare.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace trelkin {

// Which recipes make each name, in table order, so that lookups by item need no scan of the table.
class RecipesByItem {
public:
    explicit RecipesByItem(const TPrepareDatas& recipes);

    // Indexes of the recipes whose Item is exactly this name, in table order.
    const std::vector<int>& recipesMaking(const std::string& name) const;
    // The last recipe in table order that makes the name, or -1.
    int lastRecipeMaking(const std::string& name) const;

private:
    std::unordered_map<std::string, std::vector<int>> m_recipes;
};

} // namespace trelkin
