#pragma once

#include "core/armour/evaluation.h"
#include "core/text/rgb.h"

#include <QGroupBox>
#include <array>

class QLabel;
class QListWidget;
class QTableWidget;

namespace trelkin {

// The detail group "防具詳細": the totals, activated skills and the skill and material grids of one armour set
// evaluation. It only displays what the evaluation computed.
class ArmourDetailGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit ArmourDetailGroup(QWidget* parent = nullptr);

    // The empty state: placeholders, empty skill list, both grids with their titles and one blank row.
    void ResetArmourDetail();
    void ShowArmourEvaluation(const ArmourSetEvaluation& evaluation);

private:
    using CellColour = Rgb (*)(std::string_view cell);

    QTableWidget* makeGrid(const QString& name);
    void showRows(QTableWidget* grid, const std::vector<EvaluationRow>& rows, CellColour colour);
    void showTitles(QTableWidget* grid);
    void setTotals(const std::array<QString, 6>& texts);

    std::array<QLabel*, 6> m_totals{}; // Label43, Label45, Label74 to Label77
    QListWidget* m_listBox5;
    QTableWidget* m_skillGrid;
    QTableWidget* m_materialGrid;
};

} // namespace trelkin
