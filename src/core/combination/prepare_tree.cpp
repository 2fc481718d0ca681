#include "core/combination/prepare_tree.h"

namespace trelkin {

PrepareTree::PrepareTree(const TPrepareDatas& recipes, Order order)
    : m_recipes(recipes), m_byItem(recipes), m_order(order) {}

PrepareTree::NodeId PrepareTree::appendNode(Node node, Expansion expansion) const {
    const int depth = node.parent < 0 ? 0 : m_nodes[size_t(node.parent)].depth + 1;
    m_nodes.push_back(Slot{std::move(node), expansion, false, 0, depth, {}});
    return NodeId(m_nodes.size() - 1);
}

PrepareTree::NodeId PrepareTree::addTopLevel(int recipe) {
    const NodeId id = appendNode(Node{m_recipes[size_t(recipe)].Item, recipe, -1}, Expansion::OwnRecipe);
    m_nodes[size_t(id)].row = int(m_topLevel.size());
    m_topLevel.push_back(id);
    return id;
}

void PrepareTree::sortTopLevel() {
    sortByText(m_topLevel);
    numberRows(m_topLevel);
}

const std::vector<PrepareTree::NodeId>& PrepareTree::children(NodeId id) const {
    if (!m_nodes[size_t(id)].childrenMade)
        makeChildren(id);
    return m_nodes[size_t(id)].children;
}

void PrepareTree::makeChildren(NodeId id) const {
    m_nodes[size_t(id)].childrenMade = true;
    const Slot& slot = m_nodes[size_t(id)];
    if (slot.expansion == Expansion::OwnRecipe) {
        BuildPrepareTree(slot.node.recipe, id);
    } else if (slot.expansion == Expansion::EveryRecipeMakingIt) {
        for (const int recipe : m_byItem.recipesMaking(slot.node.text))
            BuildPrepareTree(recipe, id);
    }
    std::vector<NodeId>& children = m_nodes[size_t(id)].children;
    if (m_order == Order::Sorted)
        sortByText(children);
    numberRows(children);
}

void PrepareTree::BuildPrepareTree(int recipe, NodeId parent) const {
    const TPrepareData& made = m_recipes[size_t(recipe)];
    const std::string& parentText = node(parent).text;
    // A recipe that uses its own product shows its two materials, neither opened out.
    const bool usesOwnProduct = parentText == made.Material1 || parentText == made.Material2;
    for (const std::string* material : {&made.Material1, &made.Material2}) {
        Node child{*material, -1, parent};
        Expansion expansion = Expansion::None;
        if (!usesOwnProduct) {
            child.recipe = m_byItem.lastRecipeMaking(*material);
            // A longer circle of derivation stops where a name would repeat among its own ancestors.
            if (child.recipe >= 0 && !hasAncestorNamed(parent, *material))
                expansion = Expansion::EveryRecipeMakingIt;
        }
        m_nodes[size_t(parent)].children.push_back(appendNode(std::move(child), expansion));
    }
}

void PrepareTree::numberRows(const std::vector<NodeId>& ids) const {
    for (size_t row = 0; row < ids.size(); ++row)
        m_nodes[size_t(ids[row])].row = int(row);
}

bool PrepareTree::hasAncestorNamed(NodeId id, const std::string& name) const {
    for (NodeId ancestor = id; ancestor >= 0; ancestor = node(ancestor).parent)
        if (node(ancestor).text == name)
            return true;
    return false;
}

void PrepareTree::sortByText(std::vector<NodeId>& ids) const {
    std::vector<std::string_view> texts;
    texts.reserve(ids.size());
    for (const NodeId id : ids)
        texts.push_back(node(id).text);
    const std::vector<std::size_t> order = collationOrder(texts, LetterCase::Significant);
    std::vector<NodeId> sorted;
    sorted.reserve(ids.size());
    for (const std::size_t index : order)
        sorted.push_back(ids[index]);
    ids = std::move(sorted);
}

} // namespace trelkin
