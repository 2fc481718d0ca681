#include "core/combination/material_pairs.h"

#include "core/text/collation.h"
#include "core/text/cp932.h"
#include "core/text/unique_names.h"

namespace trelkin {
namespace {

std::string sjisText(const char16_t* text) {
    return toCp932(QString::fromUtf16(text));
}

const std::string kPrepareLabel = sjisText(u"[ 調合 ]");
const std::string kAlchemyLabel = sjisText(u"[ 錬金 ]");

std::string recipeLine(const TPrepareData& recipe) {
    return recipe.Item + "(" + std::to_string(recipe.Rate) + "%) = " + recipe.Material1 + " + " + recipe.Material2;
}

} // namespace

const std::string kPartnerCountPlaceholder = "(--)";
const std::string kRecipeKindPlaceholder = "[ ---- ]";
const std::string kRecipeLinePlaceholder = "------(--%) = ---- + ----";

std::string countLabel(size_t count) {
    std::string label(1, '(');
    label += std::to_string(count);
    label += ')';
    return label;
}

std::vector<std::string> FillMaterialList(const TPrepareDatas& recipes) {
    UniqueNames materials;
    for (const TPrepareData& recipe : recipes) {
        materials.add(recipe.Material1);
        materials.add(recipe.Material2);
    }
    std::vector<std::string> names = std::move(materials).take();
    sortForList(names);
    return names;
}

std::string recipeKindLabel(const TPrepareData& recipe) {
    return recipe.Prepare ? kPrepareLabel : kAlchemyLabel;
}

MaterialPartners partnersOf(const TPrepareDatas& recipes, const std::string& material) {
    MaterialPartners result{{}, {}, kRecipeKindPlaceholder, kRecipeLinePlaceholder};
    for (const TPrepareData& recipe : recipes) {
        if (recipe.Material1 == material)
            result.partners.push_back(recipe.Material2);
        if (recipe.Material2 == material)
            result.partners.push_back(recipe.Material1);
    }
    sortForList(result.partners);
    result.countLabel = countLabel(result.partners.size());
    // The last recipe that makes the material stays shown.
    for (const TPrepareData& recipe : recipes) {
        if (recipe.Item == material) {
            result.recipeLine = recipeLine(recipe);
            result.kindLabel = recipeKindLabel(recipe);
        }
    }
    return result;
}

} // namespace trelkin
