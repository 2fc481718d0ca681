#pragma once

#include "core/weapon/weapon_details.h"

#include <QGroupBox>

class QLabel;
class QListWidget;

namespace trelkin {

// The detail panel "武器詳細": the nine fields of one weapon. It only displays what the details computed.
class WeaponDetailPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit WeaponDetailPanel(QWidget* parent = nullptr);

    void showDetails(const WeaponDetails& details);

private:
    QLabel* m_labelWeaponName;
    QLabel* m_labelWeaponType;
    QLabel* m_labelWeaponAttack;
    QListWidget* m_listBoxEffect;
    QLabel* m_labelWeaponSale;
    QListWidget* m_listBoxCreateMaterials;
    QLabel* m_labelWeaponParent;
    QLabel* m_labelWeaponProduction;
    QListWidget* m_listBoxMaterials;
};

} // namespace trelkin
