#pragma once

#include "data/common_prepare.h"
#include "views/combination/prepare_details.h"

#include <QWidget>

class QLabel;
class QTreeView;

namespace trelkin {

class RecipeTreeModel;

// The "調合/錬金アイテム" page: every recipe's derivation tree, sorted and coloured, starting closed.
class RecipeTreePanel : public QWidget {
    Q_OBJECT
public:
    explicit RecipeTreePanel(QWidget* parent = nullptr);

    // Builds the tree from the recipe table, which must outlive the panel.
    void BuildRecipeTree(const TPrepareDatas& recipes);
    QTreeView* treeView() const { return m_treeView1; }

signals:
    void detailsRequested(const PrepareDetailsKey& key);

private:
    void TreeView1Click();

    QLabel* m_label20;
    QTreeView* m_treeView1;
    RecipeTreeModel* m_model;
};

} // namespace trelkin
