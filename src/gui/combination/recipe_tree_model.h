#pragma once

#include "core/combination/prepare_tree.h"

#include <QAbstractItemModel>
#include <memory>

namespace trelkin {

// Shows a derivation tree to a tree view; the view asks only for the nodes it shows, so a tree whose full size
// is large costs nothing until it is opened. Nodes that refer to a recipe are coloured by its kind.
class RecipeTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit RecipeTreeModel(QObject* parent = nullptr);

    void setTree(std::unique_ptr<PrepareTree> tree);
    const PrepareTree* tree() const { return m_tree.get(); }
    PrepareTree::NodeId nodeAt(const QModelIndex& index) const;
    QModelIndex indexOf(PrepareTree::NodeId id) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::unique_ptr<PrepareTree> m_tree;
};

} // namespace trelkin
