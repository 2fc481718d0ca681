#pragma once

#include "core/data/common_prepare.h"

#include <QWidget>

namespace trelkin {

namespace ui {
class FlatButtonPages;
class LazyPage;
} // namespace ui
class MaterialPairPanel;
class RecipeDetailBox;
class RecipeTreePanel;

// The "調 合" page: the material-pair finder and the recipe tree as inner pages, the recipe detail box on the
// right and the colour legend along the bottom.
class CombinationPage : public QWidget {
    Q_OBJECT
public:
    explicit CombinationPage(QWidget* parent = nullptr);

    // Start-up: list 1 of the finder, then the recipe tree, which is built when its inner page is first shown.
    // The table must outlive the page.
    void FillMaterialList(const TPrepareDatas& recipes);
    void BuildRecipeTree(const TPrepareDatas& recipes);
    // Builds the recipe tree's inner page now, as showing it would.
    void buildEveryPage();

    ui::FlatButtonPages* innerPages() const { return m_pageControl2; }

private:
    QWidget* makeRecipeTree();
    void PageControl1Change();

    ui::FlatButtonPages* m_pageControl2;
    MaterialPairPanel* m_materialPairs;
    ui::LazyPage* m_recipeTreePage;
    RecipeTreePanel* m_recipeTree = nullptr; // null until its inner page is built
    RecipeDetailBox* m_groupBox1;
};

} // namespace trelkin
