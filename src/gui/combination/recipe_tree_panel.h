#pragma once

#include "core/combination/prepare_details.h"
#include "core/data/common_prepare.h"

#include <QWidget>

class QLabel;

namespace trelkin {
namespace ui {
class TreeView;
}

class RecipeTreeModel;

// The "調合/錬金アイテム" page: every recipe's derivation tree, sorted and coloured, starting closed.
class RecipeTreePanel : public QWidget {
    Q_OBJECT
public:
    explicit RecipeTreePanel(QWidget* parent = nullptr);

    // Builds the tree from the recipe table, which must outlive the panel.
    void BuildRecipeTree(const TPrepareDatas& recipes);

signals:
    void detailsRequested(const PrepareDetailsKey& key);

private:
    void SpeedButton1Click();
    void SpeedButton2Click();
    void TreeView1Click();

    QLabel* m_label20;
    ui::TreeView* m_treeView1;
    RecipeTreeModel* m_model;
    QLabel* m_openedInPartNote;
};

} // namespace trelkin
