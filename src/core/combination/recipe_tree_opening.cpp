#include "core/combination/recipe_tree_opening.h"

#include "core/util/tree_walk.h"

#include <deque>
#include <unordered_set>

namespace trelkin {
namespace {

// Every node that opens out has at least the two materials of one recipe below it.
constexpr std::size_t kFewestChildren = 2;

} // namespace

RecipeTreeOpening openRecipeTree(const PrepareTree& tree, OpeningLimits limits) {
    RecipeTreeOpening opening;
    std::size_t rows = tree.topLevel().size();
    std::deque<PrepareTree::NodeId> pending(tree.topLevel().begin(), tree.topLevel().end());
    for (; !pending.empty(); pending.pop_front()) {
        const PrepareTree::NodeId id = pending.front();
        if (!tree.hasChildren(id))
            continue;
        if (rows + kFewestChildren > limits.rows) {
            // No node left can fit its children; making them would only cost time.
            opening.complete = false;
            break;
        }
        if (tree.depth(id) >= limits.depth) {
            opening.complete = false;
            continue;
        }
        const std::vector<PrepareTree::NodeId>& children = tree.children(id);
        if (rows + children.size() > limits.rows) {
            opening.complete = false;
            continue;
        }
        rows += children.size();
        opening.opened.push_back(id);
        pending.insert(pending.end(), children.begin(), children.end());
    }
    return opening;
}

QString openedInPartReason(OpeningLimits limits) {
    return QStringLiteral("項目が多すぎるため、すべては開けません (上限 %1 行, %2 階層)")
        .arg(limits.rows)
        .arg(limits.depth);
}

std::vector<ShownRow> shownRows(const PrepareTree& tree, const RecipeTreeOpening& opening) {
    static const std::vector<PrepareTree::NodeId> closed;
    const std::unordered_set<PrepareTree::NodeId> open(opening.opened.begin(), opening.opened.end());
    std::vector<ShownRow> rows;
    visitDepthFirst(
        tree.topLevel(),
        [&](PrepareTree::NodeId id) -> const std::vector<PrepareTree::NodeId>& {
            return open.contains(id) ? tree.children(id) : closed;
        },
        [&](PrepareTree::NodeId id, int depth) {
            rows.push_back({id, depth});
        });
    return rows;
}

} // namespace trelkin
