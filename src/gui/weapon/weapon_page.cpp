#include "gui/weapon/weapon_page.h"

#include "core/text/cp932.h"
#include "core/weapon/attack_highlight.h"
#include "core/weapon/weapon_details.h"
#include "core/weapon/weapon_relations.h"
#include "core/weapon/weapon_tree.h"
#include "gui/weapon/weapon_artwork.h"
#include "gui/weapon/weapon_detail_panel.h"
#include "gui/weapon/weapon_tree_model.h"
#include "gui/widgets/flat_button_pages.h"
#include "gui/widgets/flat_tree_view.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QSpinBox>

namespace trelkin {
namespace {

constexpr int kClassButtonWidth = 85;
constexpr int kDetailPanelWidth = 346;
constexpr int kTreeIndentation = 28;
// The trees are named after the window's controls, TreeView3 for the first class.
constexpr int kFirstTreeNumber = 3;

WeaponTreeModel* modelOf(const QTreeView* tree) {
    return static_cast<WeaponTreeModel*>(tree->model());
}

} // namespace

WeaponPage::WeaponPage(QWidget* parent)
    : QWidget(parent), m_classPages(new ui::FlatButtonPages(kClassButtonWidth, this)),
      m_detailPanel(new WeaponDetailPanel) {
    for (std::size_t i = 0; i < kWeaponClassCount; ++i)
        m_classPages->addPage(makeTree(i), fromCp932(weaponClasses()[i]), ImageListWeapon()[i + 1]);
    m_detailPanel->setFixedWidth(kDetailPanelWidth);
    // The detail panel joins the page after the trees and the threshold, so that Tab reaches them first.

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_classPages, 0, 0);
    layout->addWidget(makeThresholdStrip(), 1, 0);
    layout->addWidget(m_detailPanel, 0, 1, 2, 1);
    layout->setRowStretch(0, 1);
}

QTreeView* WeaponPage::makeTree(std::size_t classIndex) {
    auto* tree = new ui::FlatTreeView(kTreeIndentation, WeaponTreeModel::kDepthRole);
    auto* model = new WeaponTreeModel(tree);
    tree->setObjectName(QStringLiteral("TreeView%1").arg(kFirstTreeNumber + int(classIndex)));
    tree->setModel(model);
    tree->setHeaderHidden(true);
    // Deep nodes scroll sideways instead of being cut short.
    tree->header()->setStretchLastSection(false);
    tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree->setIconSize(kWeaponNodeIconSize);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setUniformRowHeights(true);
    connect(tree->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this, tree] { TreeView3Change(tree); });
    m_trees[classIndex] = tree;
    return tree;
}

QWidget* WeaponPage::makeThresholdStrip() {
    auto* strip = new QWidget(this);
    m_spinEdit2 = new QSpinBox(strip);
    m_spinEdit2->setObjectName(QStringLiteral("SpinEdit2"));
    m_spinEdit2->setRange(kLowestAttackThreshold, kHighestAttackThreshold);
    m_spinEdit2->setValue(kInitialAttackThreshold);
    // The spin edit fills the gap of the caption "攻撃力が                    以上に色を付ける".
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("攻撃力が"), strip));
    layout->addWidget(m_spinEdit2);
    layout->addWidget(new QLabel(QStringLiteral("以上に色を付ける"), strip));
    layout->addStretch(1);
    // The spin box's own signal: its line edit stays silent while arrows or code change the value.
    connect(m_spinEdit2, &QSpinBox::textChanged, this, &WeaponPage::SpinEdit2Change);
    return strip;
}

const weapon::TWeaponDatas& WeaponPage::weapons() const {
    static const weapon::TWeaponDatas noWeapons;
    return m_weapons ? *m_weapons : noWeapons;
}

void WeaponPage::showTrees(const weapon::TWeaponDatas& weapons,
                           const std::array<WeaponTree, kWeaponClassCount>& trees) {
    m_weapons = &weapons;
    // The models lay the trees out fully open, so nothing is left to expand.
    for (std::size_t i = 0; i < kWeaponClassCount; ++i)
        modelOf(m_trees[i])->setTree(weapons, trees[i]);
}

void WeaponPage::TreeView3Change(QTreeView* tree) {
    const QModelIndexList selected = tree->selectionModel()->selectedIndexes();
    std::optional<int> weapon;
    if (!selected.isEmpty())
        weapon = modelOf(tree)->weaponAt(selected.first());
    m_detailPanel->showDetails(ShowWeaponDetails(weapons(), weapon));
}

void WeaponPage::SpinEdit2Change(const QString& text) {
    const std::int32_t threshold = attackThresholdOf(text.toStdString());
    for (QTreeView* tree : m_trees) {
        modelOf(tree)->setThreshold(threshold);
        tree->viewport()->update();
    }
}

} // namespace trelkin
