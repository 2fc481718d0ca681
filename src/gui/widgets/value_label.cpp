#include "gui/widgets/value_label.h"

#include <QLabel>

namespace trelkin::ui {

QLabel* makeValueLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace trelkin::ui
