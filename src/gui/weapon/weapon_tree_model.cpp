#include "gui/weapon/weapon_tree_model.h"

#include "core/text/cp932.h"
#include "core/weapon/attack_highlight.h"
#include "core/weapon/weapon_attribute.h"
#include "core/weapon/weapon_class.h"
#include "gui/weapon/weapon_artwork.h"
#include "gui/widgets/colour.h"

namespace trelkin {

WeaponTreeModel::WeaponTreeModel(QObject* parent) : QAbstractListModel(parent), m_threshold(kInitialAttackThreshold) {}

void WeaponTreeModel::setTree(const weapon::TWeaponDatas& weapons, const WeaponTree& tree) {
    beginResetModel();
    m_weapons = &weapons;
    m_rows.clear();
    m_rows.reserve(tree.size());
    tree.visitDepthFirst([&](WeaponTree::NodeId id, int depth) { m_rows.push_back({tree.node(id).weapon, depth}); });
    endResetModel();
}

int WeaponTreeModel::weaponAt(const QModelIndex& index) const {
    return m_rows[size_t(index.row())].weapon;
}

int WeaponTreeModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant WeaponTreeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const weapon::TWeaponData& weapon = (*m_weapons)[size_t(weaponAt(index))];
    if (role == Qt::DisplayRole)
        return fromCp932(weapon.Name);
    if (role == Qt::DecorationRole)
        return weaponNodeIcon(WeaponTypeIndex(weapon.Type), WeaponAttributeIndex(weapon));
    if (role == Qt::ForegroundRole)
        return TreeView3CustomDrawItem(weapon);
    if (role == kDepthRole)
        return m_rows[size_t(index.row())].depth;
    return {};
}

QVariant WeaponTreeModel::TreeView3CustomDrawItem(const weapon::TWeaponData& weapon) const {
    if (const auto colour = attackHighlight(weapon, m_threshold))
        return ui::toQColor(*colour);
    return {};
}

} // namespace trelkin
