#pragma once

#include "core/combination/recipes_by_item.h"
#include "core/data/common_prepare.h"
#include "core/text/collation.h"
#include "core/util/tree_walk.h"

#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace trelkin {

// The derivation trees of recipes: an item opened out into the two materials of its recipe, each material into
// the materials of every recipe that makes it, and so on. Subtrees are not shared, so a tree can be far larger
// than the table; children are therefore made when they are first asked for, and only those.
class PrepareTree {
public:
    using NodeId = int;

    struct Node {
        std::string text;
        int recipe = -1; // the recipe the node refers to: its own for a top-level node, else the last making it
        NodeId parent = -1;
    };

    // Sorted trees order the children of every node, and the top level, by text with letter case significant.
    enum class Order { Table, Sorted };

    PrepareTree(const TPrepareDatas& recipes, Order order);

    // A top-level node for the recipe: its Item, opened out into that recipe alone.
    NodeId addTopLevel(int recipe);
    // Puts the top level into text order (sorted trees).
    void sortTopLevel();

    const std::vector<NodeId>& topLevel() const { return m_topLevel; }
    const std::vector<NodeId>& children(NodeId id) const;
    // Whether the node is opened out, known without making its children.
    bool hasChildren(NodeId id) const { return m_nodes[size_t(id)].expansion != Expansion::None; }
    // The node's position among its siblings (or in the top level).
    int row(NodeId id) const { return m_nodes[size_t(id)].row; }
    const Node& node(NodeId id) const { return m_nodes[size_t(id)].node; }
    // How many levels below the top level the node stands.
    int depth(NodeId id) const { return m_nodes[size_t(id)].depth; }
    const TPrepareDatas& recipes() const { return m_recipes; }

    // Calls visit(id, depth) for every node, parents before their children, in tree order.
    template <typename Visit> void visitDepthFirst(Visit visit) const {
        trelkin::visitDepthFirst(
            m_topLevel, [this](NodeId id) -> const std::vector<NodeId>& { return children(id); }, visit);
    }

private:
    enum class Expansion { None, OwnRecipe, EveryRecipeMakingIt };

    struct Slot {
        Node node;
        Expansion expansion = Expansion::None;
        bool childrenMade = false;
        int row = 0;
        int depth = 0;
        std::vector<NodeId> children;
    };

    NodeId appendNode(Node node, Expansion expansion) const;
    void makeChildren(NodeId id) const;
    // Appends the two materials of the recipe under the node, and says how each will be opened out.
    void BuildPrepareTree(int recipe, NodeId parent) const;
    bool hasAncestorNamed(NodeId id, const std::string& name) const;
    void sortByText(std::vector<NodeId>& ids) const;
    void numberRows(const std::vector<NodeId>& ids) const;

    const TPrepareDatas& m_recipes;
    RecipesByItem m_byItem;
    Order m_order;
    std::vector<NodeId> m_topLevel;
    // Children are made on demand by const readers; a deque keeps node references valid while it grows.
    mutable std::deque<Slot> m_nodes;
};

} // namespace trelkin
