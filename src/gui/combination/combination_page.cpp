#include "gui/combination/combination_page.h"

#include "gui/combination/material_pair_panel.h"
#include "gui/combination/recipe_detail_box.h"
#include "gui/combination/recipe_legend.h"
#include "gui/combination/recipe_tree_panel.h"
#include "gui/widgets/flat_button_pages.h"
#include "gui/widgets/lazy_page.h"

#include <QGridLayout>

namespace trelkin {
namespace {

constexpr int kDetailBoxWidth = 270;

} // namespace

CombinationPage::CombinationPage(QWidget* parent)
    : QWidget(parent), m_pageControl2(new ui::FlatButtonPages(0, this)), m_materialPairs(new MaterialPairPanel),
      m_recipeTreePage(new ui::LazyPage([this] { return makeRecipeTree(); })), m_groupBox1(new RecipeDetailBox) {
    m_pageControl2->setObjectName(QStringLiteral("PageControl2"));
    m_pageControl2->addPage(m_materialPairs, QStringLiteral("素材から探す"));
    m_pageControl2->addPage(m_recipeTreePage, QStringLiteral("調合/錬金アイテム"));
    // The detail box joins the page after the inner pages, so that Tab goes down the left column first.
    m_groupBox1->setFixedWidth(kDetailBoxWidth);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_pageControl2, 0, 0);
    layout->addWidget(m_groupBox1, 0, 1);
    layout->addWidget(new RecipeLegend(this), 1, 0, 1, 2);
    layout->setRowStretch(0, 1);

    connect(m_pageControl2, &ui::FlatButtonPages::currentChanged, this, &CombinationPage::PageControl1Change);
    connect(m_materialPairs, &MaterialPairPanel::detailsRequested, m_groupBox1, &RecipeDetailBox::ShowPrepareDetails);
}

QWidget* CombinationPage::makeRecipeTree() {
    m_recipeTree = new RecipeTreePanel;
    connect(m_recipeTree, &RecipeTreePanel::detailsRequested, m_groupBox1, &RecipeDetailBox::ShowPrepareDetails);
    return m_recipeTree;
}

void CombinationPage::buildEveryPage() {
    m_recipeTreePage->content();
}

void CombinationPage::FillMaterialList(const TPrepareDatas& recipes) {
    m_groupBox1->setRecipes(recipes);
    m_materialPairs->FillMaterialList(recipes);
}

void CombinationPage::BuildRecipeTree(const TPrepareDatas& recipes) {
    m_recipeTreePage->whenBuilt([this, &recipes] { m_recipeTree->BuildRecipeTree(recipes); });
}

void CombinationPage::PageControl1Change() {
    m_groupBox1->ClearPrepareDetails();
}

} // namespace trelkin
