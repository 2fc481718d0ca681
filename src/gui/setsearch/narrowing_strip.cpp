#include "gui/setsearch/narrowing_strip.h"

#include "core/text/cp932.h"
#include "gui/widgets/flow_layout.h"

#include <QPushButton>
#include <QToolButton>

namespace trelkin {
namespace {

constexpr int kChipSpacing = 4;

} // namespace

NarrowingStrip::NarrowingStrip(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SetSearchNarrowing"));
    new ui::FlowLayout(this, kChipSpacing);
    QWidget::hide();
}

void NarrowingStrip::show(const SetSearchQuery& query) {
    for (QWidget* chip : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        delete chip;
    bool any = false;
    for (const ArmourSlot slot : kArmourSlots) {
        for (const std::string& name : query.Excluded[slotIndex(slot)])
            addChip(slot, name, false);
        for (const std::string& name : query.Pinned[slotIndex(slot)])
            addChip(slot, name, true);
        any = any || !query.Excluded[slotIndex(slot)].empty() || !query.Pinned[slotIndex(slot)].empty();
    }
    if (any) {
        auto* clear = new QPushButton(QStringLiteral("すべて解除"), this);
        clear->setObjectName(QStringLiteral("ClearNarrowing"));
        clear->setAutoDefault(true); // a focused button answers Enter, not only Space
        connect(clear, &QPushButton::clicked, this, &NarrowingStrip::clearedAll);
        layout()->addWidget(clear);
    }
    setVisible(any);
}

// "頭を除外: name ×" or "頭はこれだけ: name ×"; a click takes it away.
void NarrowingStrip::addChip(ArmourSlot slot, const std::string& name, bool pinned) {
    auto* chip = new QToolButton(this);
    const QString how = pinned ? QStringLiteral("%1はこれだけ") : QStringLiteral("%1を除外");
    chip->setText(how.arg(fromCp932(slotCaption(slot))) + QStringLiteral(": ") + fromCp932(name) +
                  QStringLiteral(" ×"));
    chip->setToolTip(QStringLiteral("クリックで解除"));
    connect(chip, &QToolButton::clicked, this, [this, slot, name, pinned] { emit removed(slot, name, pinned); });
    layout()->addWidget(chip);
}

} // namespace trelkin
