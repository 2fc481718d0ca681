#include "core/combination/material_pairs.h"

#include "core/text/ascii_case.h"
#include "core/text/collation.h"
#include "core/text/cp932.h"

#include <unordered_set>

namespace trelkin {
namespace {

std::string sjisText(const char16_t* text) {
    return toCp932(QString::fromUtf16(text));
}

const std::string kPrepareLabel = sjisText(u"[ 調合 ]");
const std::string kAlchemyLabel = sjisText(u"[ 錬金 ]");

// Adds names unless the list already holds them, ignoring ASCII case as the list's own search does.
class UniqueNames {
public:
    void add(const std::string& name) {
        if (m_seen.insert(asciiUpper(name)).second)
            m_names.push_back(name);
    }
    std::vector<std::string> take() { return std::move(m_names); }

private:
    std::unordered_set<std::string> m_seen;
    std::vector<std::string> m_names;
};

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
    std::vector<std::string> names = materials.take();
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
