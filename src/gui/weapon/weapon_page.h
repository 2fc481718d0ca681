#pragma once

#include "core/data/common_weapon.h"
#include "core/weapon/weapon_class.h"
#include "core/weapon/weapon_tree.h"

#include <QWidget>
#include <array>

class QSpinBox;
class QTreeView;

namespace trelkin {

namespace ui {
class FlatButtonPages;
}
class WeaponDetailPanel;

// The "武 器" page: one upgrade tree per weapon class as inner pages, the attack threshold below them, and the
// weapon detail panel on the right.
class WeaponPage : public QWidget {
    Q_OBJECT
public:
    explicit WeaponPage(QWidget* parent = nullptr);

    // Start-up: the five class trees that BuildWeaponTrees made, each fully open. The table must outlive the page.
    void showTrees(const weapon::TWeaponDatas& weapons, const std::array<WeaponTree, kWeaponClassCount>& trees);

    ui::FlatButtonPages* classPages() const { return m_classPages; }

private:
    QTreeView* makeTree(std::size_t classIndex);
    QWidget* makeThresholdStrip();
    void TreeView3Change(QTreeView* tree);
    void SpinEdit2Change(const QString& text);
    const weapon::TWeaponDatas& weapons() const;

    const weapon::TWeaponDatas* m_weapons = nullptr;
    ui::FlatButtonPages* m_classPages;
    std::array<QTreeView*, kWeaponClassCount> m_trees{}; // TreeView3 to TreeView7, in class order
    QSpinBox* m_spinEdit2 = nullptr;
    WeaponDetailPanel* m_detailPanel;
};

} // namespace trelkin
