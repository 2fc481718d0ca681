#include "data/common_prepare.h"
#include "data/error.h"
#include "views/combination/recipe_tree.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace {

// Trees of derivation can grow exponentially with the table; the walk stops after this many nodes so that
// one input cannot stall the campaign.
constexpr int kNodeBudget = 2000;

void walk(const trelkin::PrepareTree& tree) {
    std::vector<trelkin::PrepareTree::NodeId> pending(tree.topLevel().rbegin(), tree.topLevel().rend());
    for (int visited = 0; visited < kNodeBudget && !pending.empty(); ++visited) {
        const trelkin::PrepareTree::NodeId id = pending.back();
        pending.pop_back();
        tree.node(id);
        tree.row(id);
        tree.depth(id);
        if (tree.hasChildren(id)) {
            const auto& children = tree.children(id);
            pending.insert(pending.end(), children.rbegin(), children.rend());
        }
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
