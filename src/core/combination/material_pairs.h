#pragma once

#include "core/data/common_prepare.h"

#include <string>
#include <vector>

namespace trelkin {

// List 1 of the material-pair finder: every material of every recipe once (names that differ only in ASCII
// case count as one, the first written form kept), in list order.
std::vector<std::string> FillMaterialList(const TPrepareDatas& recipes);

// A count between parentheses, as the count labels show it: "(152)".
std::string countLabel(size_t count);

// What choosing a first material shows: its partners and how the material itself is made.
struct MaterialPartners {
    std::vector<std::string> partners; // list 2: one entry per recipe pairing it, in list order
    std::string countLabel;            // "(N)"
    std::string kindLabel;             // "[ 調合 ]", "[ 錬金 ]" or the placeholder
    std::string recipeLine;            // "Item(Rate%) = Material1 + Material2" or the placeholder
};

// Texts of the finder before a material with partners is chosen.
extern const std::string kPartnerCountPlaceholder;
extern const std::string kRecipeKindPlaceholder;
extern const std::string kRecipeLinePlaceholder;

MaterialPartners partnersOf(const TPrepareDatas& recipes, const std::string& material);

// "[ 調合 ]" or "[ 錬金 ]" for a recipe.
std::string recipeKindLabel(const TPrepareData& recipe);

} // namespace trelkin
