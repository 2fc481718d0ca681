#include "gui/armour/armour_composer_panel.h"

#include "core/armour/armour_selectors.h"
#include "core/text/cp932.h"
#include "gui/widgets/name_items.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

namespace trelkin {
namespace {

constexpr int kVisibleItems = 20;
const std::array<const char*, kArmourSlotCount> kSelectorNames{"CB_HeadList", "CB_BodyList", "CB_ArmList",
                                                               "CB_WaistList", "CB_LegList"};

} // namespace

ArmourComposerPanel::ArmourComposerPanel(QWidget* parent) : QWidget(parent) {
    auto* groupBox2 = new QGroupBox(QStringLiteral("防具を選択してください"), this);
    groupBox2->setObjectName(QStringLiteral("GroupBox2"));
    auto* rows = new QGridLayout(groupBox2);
    for (const ArmourSlot slot : kArmourSlots) {
        const size_t index = slotIndex(slot);
        auto* selector = new QComboBox(groupBox2);
        selector->setObjectName(QString::fromLatin1(kSelectorNames[index]));
        selector->setMaxVisibleItems(kVisibleItems);
        selector->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        selector->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        rows->addWidget(new QLabel(fromCp932(slotCaption(slot)), groupBox2), int(index), 0);
        rows->addWidget(selector, int(index), 1);
        connect(selector, &QComboBox::currentIndexChanged, this, &ArmourComposerPanel::CB_HeadListChange);
        m_selectors[index] = selector;
    }

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(groupBox2, 1, Qt::AlignTop);
    layout->addWidget(new QLabel(QStringLiteral("->"), this), 0, Qt::AlignTop);
}

void ArmourComposerPanel::fillSelectors(const ArmourTables& tables) {
    for (const ArmourSlot slot : kArmourSlots)
        ui::setNameItems(m_selectors[slotIndex(slot)], slotSelectorItems(tables.slotTable(slot)));
}

void ArmourComposerPanel::chooseSet(const std::array<std::string, kArmourSlotCount>& names) {
    for (const ArmourSlot slot : kArmourSlots)
        ui::selectNameQuietly(m_selectors[slotIndex(slot)], names[slotIndex(slot)]);
    CB_HeadListChange();
}

void ArmourComposerPanel::CB_HeadListChange() {
    ArmourSelection selection;
    for (const ArmourSlot slot : kArmourSlots)
        selection.Names[slotIndex(slot)] = ui::selectedName(m_selectors[slotIndex(slot)]);
    emit selectionChanged(selection);
}

} // namespace trelkin
