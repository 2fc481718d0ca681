#pragma once

#include "core/data/armour_tables.h"

#include <QWidget>
#include <string>

class QComboBox;
class QLabel;
class QTableView;

namespace trelkin {

class ArmourSearchModel;

// The "防具検索" page: pieces that carry a chosen skill and need a chosen material, in one slot or all, sorted by
// any column. Choosing a row asks for that piece to be shown.
class ArmourSearchPanel : public QWidget {
    Q_OBJECT
public:
    explicit ArmourSearchPanel(QWidget* parent = nullptr);

    // Fills CB_AllSkill and CB_AllMaterial; the tables must outlive the panel.
    void fillSelectors(const ArmourTables& tables);

signals:
    void pieceSelected(const std::string& name);
    void pieceDeselected();

private:
    void showSortIndicator();
    void CB_AllSkillChange();
    void ListView2SelectItem(bool selected, bool deselected);

    const ArmourTables* m_tables = nullptr;
    QComboBox* m_cbAllSkill;
    QComboBox* m_cbAllMaterial;
    QComboBox* m_cbPart;
    QLabel* m_labelSearchCnt;
    QTableView* m_listView2;
    ArmourSearchModel* m_model;
};

} // namespace trelkin
