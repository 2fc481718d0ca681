#include "core/combination/recipe_tree.h"
#include "core/combination/recipe_tree_opening.h"
#include "core/data/common_prepare.h"
#include "core/text/error.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace {

// Trees of derivation can grow exponentially with the table; a campaign opens them within far smaller limits than
// the page's, so that one input cannot stall it.
constexpr trelkin::OpeningLimits kCampaignLimits{2000, 200};

void walk(const trelkin::PrepareTree& tree) {
    for (const trelkin::ShownRow& row : trelkin::shownRows(tree, trelkin::openRecipeTree(tree, kCampaignLimits))) {
        tree.node(row.id);
        tree.row(row.id);
    }
}

} // namespace

// The recipe table of a plain text, whole or cut short by an error, through both tree builders.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    trelkin::TPrepareDatas recipes;
    try {
        trelkin::readPrepareText(std::string_view(reinterpret_cast<const char*>(data), size), recipes);
    } catch (const trelkin::Error&) {
        // The table keeps its full length with the rest incomplete; the trees must cope with that as well.
    }
    walk(*trelkin::BuildRecipeTree(recipes));
    std::vector<int> shown;
    for (std::size_t i = 0; i < recipes.size(); ++i)
        shown.push_back(int(i));
    walk(*trelkin::buildDerivationTree(recipes, shown));
    return 0;
}
