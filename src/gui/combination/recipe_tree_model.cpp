#include "gui/combination/recipe_tree_model.h"

#include "core/combination/recipe_colour.h"
#include "core/text/cp932.h"
#include "gui/widgets/colour.h"

namespace trelkin {

RecipeTreeModel::RecipeTreeModel(QObject* parent) : QAbstractItemModel(parent) {}

void RecipeTreeModel::setTree(std::unique_ptr<PrepareTree> tree) {
    beginResetModel();
    m_tree = std::move(tree);
    endResetModel();
}

PrepareTree::NodeId RecipeTreeModel::nodeAt(const QModelIndex& index) const {
    return PrepareTree::NodeId(index.internalId());
}

QModelIndex RecipeTreeModel::indexOf(PrepareTree::NodeId id) const {
    return createIndex(m_tree->row(id), 0, quintptr(id));
}

QModelIndex RecipeTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (!m_tree || column != 0 || row < 0 || row >= rowCount(parent))
        return {};
    const auto& siblings = parent.isValid() ? m_tree->children(nodeAt(parent)) : m_tree->topLevel();
    return createIndex(row, column, quintptr(siblings[size_t(row)]));
}

QModelIndex RecipeTreeModel::parent(const QModelIndex& child) const {
    if (!m_tree || !child.isValid())
        return {};
    const PrepareTree::NodeId parentId = m_tree->node(nodeAt(child)).parent;
    if (parentId < 0)
        return {};
    return indexOf(parentId);
}

int RecipeTreeModel::rowCount(const QModelIndex& parent) const {
    if (!m_tree)
        return 0;
    if (!parent.isValid())
        return int(m_tree->topLevel().size());
    return int(m_tree->children(nodeAt(parent)).size());
}

int RecipeTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

bool RecipeTreeModel::hasChildren(const QModelIndex& parent) const {
    if (!m_tree)
        return false;
    return parent.isValid() ? m_tree->hasChildren(nodeAt(parent)) : !m_tree->topLevel().empty();
}

QVariant RecipeTreeModel::data(const QModelIndex& index, int role) const {
    if (!m_tree || !index.isValid())
        return {};
    const PrepareTree::Node& node = m_tree->node(nodeAt(index));
    if (role == Qt::DisplayRole)
        return fromCp932(node.text);
    if (role == Qt::ForegroundRole && node.recipe >= 0)
        return ui::toQColor(recipeKindColour(m_tree->recipes(), node.recipe));
    return {};
}

} // namespace trelkin
