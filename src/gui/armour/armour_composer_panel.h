#pragma once

#include "core/armour/evaluation.h"
#include "core/data/armour_tables.h"

#include <QWidget>
#include <array>

class QComboBox;

namespace trelkin {

// The "防具選択" page: one selector per slot; any change asks for the evaluation of all five.
class ArmourComposerPanel : public QWidget {
    Q_OBJECT
public:
    explicit ArmourComposerPanel(QWidget* parent = nullptr);

    // Fills CB_HeadList to CB_LegList from the slot tables.
    void fillSelectors(const ArmourTables& tables);

    // Chooses a whole set in the five selectors, as a player would choose it there, and evaluates it once.
    void chooseSet(const std::array<std::string, kArmourSlotCount>& names);

signals:
    void selectionChanged(const ArmourSelection& selection);

private:
    void CB_HeadListChange();

    std::array<QComboBox*, kArmourSlotCount> m_selectors{};
};

} // namespace trelkin
