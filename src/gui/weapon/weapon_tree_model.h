#pragma once

#include "core/data/common_weapon.h"
#include "core/weapon/weapon_tree.h"

#include <QAbstractListModel>
#include <cstdint>
#include <vector>

namespace trelkin {

// Shows a weapon class tree, always fully open, to a view: one row per node in tree order, each with its depth,
// its weapon's name, class icon and attribute bar, and blue text when the weapon's attack reaches the threshold.
class WeaponTreeModel : public QAbstractListModel {
    Q_OBJECT
public:
    // The node's depth below the top level, for the view's indentation.
    static constexpr int kDepthRole = Qt::UserRole;

    explicit WeaponTreeModel(QObject* parent = nullptr);

    // The table must outlive the model.
    void setTree(const weapon::TWeaponDatas& weapons, const WeaponTree& tree);
    // Takes effect when the view next draws; nothing is rebuilt.
    void setThreshold(std::int32_t threshold) { m_threshold = threshold; }
    // The table index of the row's weapon.
    int weaponAt(const QModelIndex& index) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    struct Row {
        int weapon;
        int depth;
    };

    // The node's text colour: blue from the threshold on, else none (the view's default).
    QVariant TreeView3CustomDrawItem(const weapon::TWeaponData& weapon) const;

    const weapon::TWeaponDatas* m_weapons = nullptr;
    std::vector<Row> m_rows;
    std::int32_t m_threshold;
};

} // namespace trelkin
