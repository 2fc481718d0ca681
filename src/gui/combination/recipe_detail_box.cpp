#include "gui/combination/recipe_detail_box.h"

#include "core/combination/recipe_tree.h"
#include "core/text/cp932.h"
#include "core/text/integer_reader.h"
#include "gui/combination/recipe_tree_model.h"
#include "gui/combination/recipe_tree_opener.h"
#include "gui/widgets/coloured_item_delegate.h"
#include "gui/widgets/tree_view_without_buttons.h"
#include "gui/widgets/value_label.h"
#include "gui/widgets/window_font.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QSpinBox>
#include <QVBoxLayout>

namespace trelkin {
namespace {

// Room for three lines of description; the derivation tree takes the rest.
constexpr int kMemoHeight = 52;

} // namespace

RecipeDetailBox::RecipeDetailBox(QWidget* parent)
    : QGroupBox(QStringLiteral("調合/錬金 アイテム詳細"), parent), m_spinEdit1(new QSpinBox(this)),
      m_label26(ui::makeValueLabel(QStringLiteral("Label26"), this)),
      m_label8(ui::makeValueLabel(QStringLiteral("Label8"), this)),
      m_label9(ui::makeValueLabel(QStringLiteral("Label9"), this)),
      m_label4(ui::makeValueLabel(QStringLiteral("Label4"), this)), m_memo1(new QPlainTextEdit(this)),
      m_treeView2(new ui::TreeViewWithoutButtons(this)), m_model(new RecipeTreeModel(this)),
      m_openedInPartNote(makeOpenedInPartNote(this)), m_label3(ui::makeValueLabel(QStringLiteral("Label3"), this)) {
    setObjectName(QStringLiteral("GroupBox1"));
    m_spinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    m_spinEdit1->setRange(kLowestRecipeNumber, kHighestRecipeNumber);
    m_spinEdit1->setFont(ui::fixedPitchFont());
    m_memo1->setObjectName(QStringLiteral("Memo1"));
    m_memo1->setMaximumHeight(kMemoHeight);
    m_memo1->setReadOnly(true);
    m_memo1->setBackgroundRole(QPalette::Window);
    QPalette windowFace = m_memo1->palette();
    windowFace.setColor(QPalette::Base, windowFace.color(QPalette::Window));
    m_memo1->setPalette(windowFace);
    m_treeView2->setObjectName(QStringLiteral("TreeView2"));
    m_treeView2->setMinimumHeight(kMemoHeight);
    m_treeView2->setModel(m_model);
    m_treeView2->setHeaderHidden(true);
    m_treeView2->setUniformRowHeights(true);
    m_treeView2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_treeView2->setItemDelegate(new ui::ColouredItemDelegate(0, m_treeView2));

    auto* numberRow = new QHBoxLayout;
    numberRow->addWidget(m_spinEdit1);
    numberRow->addStretch(1);
    numberRow->addWidget(m_label26);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("No："), numberRow);
    fields->addRow(QStringLiteral("調合アイテム："), m_label8);
    fields->addRow(QStringLiteral("成功確率："), m_label9);
    fields->addRow(QStringLiteral("調合結果："), m_label4);
    // The description and the derivation tree take the box's whole width under their captions.
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    layout->addLayout(fields);
    layout->addWidget(new QLabel(QStringLiteral("アイテム解説："), this));
    layout->addWidget(m_memo1);
    auto* treeCaption = new QHBoxLayout;
    treeCaption->addWidget(new QLabel(QStringLiteral("派生図："), this));
    treeCaption->addStretch(1);
    treeCaption->addWidget(m_openedInPartNote);
    layout->addLayout(treeCaption);
    layout->addWidget(m_treeView2, 1);
    layout->addWidget(new QLabel(QStringLiteral("材料："), this));
    layout->addWidget(m_label3);

    connect(m_spinEdit1, &QSpinBox::textChanged, this, &RecipeDetailBox::SpinEdit1Change);
    display(trelkin::ShowPrepareDetails(recipes(), PrepareDetailsKey::none(), NumberEdited));
}

const TPrepareDatas& RecipeDetailBox::recipes() const {
    static const TPrepareDatas noRecipes;
    return m_recipes ? *m_recipes : noRecipes;
}

void RecipeDetailBox::setRecipes(const TPrepareDatas& recipes) {
    m_recipes = &recipes;
}

void RecipeDetailBox::ShowPrepareDetails(const PrepareDetailsKey& key) {
    DetailUpdating = true;
    const auto finished = qScopeGuard([this] { DetailUpdating = false; });
    display(trelkin::ShowPrepareDetails(recipes(), key, NumberEdited));
}

void RecipeDetailBox::display(const PrepareDetails& details) {
    setUpdatesEnabled(false);
    if (details.number)
        m_spinEdit1->setValue(*details.number);
    m_label26->setText(fromCp932(details.kindLabel));
    m_label8->setText(fromCp932(details.item));
    m_label9->setText(fromCp932(details.rate));
    m_label4->setText(fromCp932(details.quantity));
    m_memo1->setPlainText(fromCp932(details.description));
    m_label3->setText(fromCp932(details.materials));
    m_model->setTree(buildDerivationTree(recipes(), details.recipes));
    openRecipeTreeView(*m_treeView2, *m_model, *m_openedInPartNote);
    setUpdatesEnabled(true);
}

void RecipeDetailBox::SpinEdit1Change(const QString& text) {
    if (DetailUpdating)
        return;
    NumberEdited = true;
    ShowPrepareDetails(PrepareDetailsKey::byNumber(readIntegerField(text.toStdString())));
}

} // namespace trelkin
