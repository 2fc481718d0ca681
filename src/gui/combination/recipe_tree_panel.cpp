#include "gui/combination/recipe_tree_panel.h"

#include "core/combination/material_pairs.h"
#include "core/combination/recipe_tree.h"
#include "gui/combination/recipe_tree_model.h"
#include "gui/combination/recipe_tree_opener.h"
#include "gui/widgets/coloured_item_delegate.h"
#include "gui/widgets/tree_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace trelkin {
namespace {

constexpr int kTreeIndentation = 19;

QToolButton* makeFlatButton(const QString& caption, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(caption);
    button->setAutoRaise(true);
    return button;
}

} // namespace

RecipeTreePanel::RecipeTreePanel(QWidget* parent)
    : QWidget(parent), m_label20(new QLabel(QString::fromStdString(kPartnerCountPlaceholder), this)),
      m_treeView1(new ui::TreeView(this)), m_model(new RecipeTreeModel(this)),
      m_openedInPartNote(makeOpenedInPartNote(this)) {
    m_label20->setObjectName(QStringLiteral("Label20"));
    m_treeView1->setObjectName(QStringLiteral("TreeView1"));
    m_treeView1->setModel(m_model);
    m_treeView1->setHeaderHidden(true);
    m_treeView1->setIndentation(kTreeIndentation);
    // Top-level entries open by double-click, keyboard or "すべて開く"; deeper ones also by their buttons.
    m_treeView1->setRootIsDecorated(false);
    m_treeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_treeView1->setUniformRowHeights(true);
    m_treeView1->setItemDelegate(new ui::ColouredItemDelegate(0, m_treeView1));

    auto* openAll = makeFlatButton(QStringLiteral("すべて開く"), this);
    auto* closeAll = makeFlatButton(QStringLiteral("すべて閉じる"), this);
    openAll->setObjectName(QStringLiteral("SpeedButton1"));
    closeAll->setObjectName(QStringLiteral("SpeedButton2"));

    auto* heading = new QHBoxLayout;
    heading->addWidget(new QLabel(QStringLiteral("調合/錬金で作成可能なアイテム"), this));
    heading->addWidget(m_label20);
    heading->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_openedInPartNote);
    buttons->addStretch(1);
    buttons->addWidget(openAll);
    buttons->addWidget(closeAll);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(heading);
    layout->addWidget(m_treeView1, 1);
    layout->addLayout(buttons);

    connect(openAll, &QToolButton::clicked, this, &RecipeTreePanel::SpeedButton1Click);
    connect(closeAll, &QToolButton::clicked, this, &RecipeTreePanel::SpeedButton2Click);
    connect(m_treeView1, &QTreeView::clicked, this, &RecipeTreePanel::TreeView1Click);
}

void RecipeTreePanel::BuildRecipeTree(const TPrepareDatas& recipes) {
    m_model->setTree(trelkin::BuildRecipeTree(recipes));
    m_label20->setText(QString::fromStdString(countLabel(recipes.size())));
}

void RecipeTreePanel::SpeedButton1Click() {
    openRecipeTreeView(*m_treeView1, *m_model, *m_openedInPartNote);
}

void RecipeTreePanel::SpeedButton2Click() {
    m_treeView1->collapseAll();
    m_openedInPartNote->hide();
}

void RecipeTreePanel::TreeView1Click() {
    const QModelIndex selected = m_treeView1->currentIndex();
    if (!selected.isValid() || selected.parent().isValid() || !m_treeView1->selectionModel()->isSelected(selected))
        return;
    const PrepareTree::Node& node = m_model->tree()->node(m_model->nodeAt(selected));
    emit detailsRequested(PrepareDetailsKey::byItem(node.text));
}

} // namespace trelkin
