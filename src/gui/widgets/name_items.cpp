#include "gui/widgets/name_items.h"

#include "core/text/cp932.h"

#include <QComboBox>

namespace trelkin::ui {

void setNameItems(QComboBox* selector, const std::vector<std::string>& names) {
    const QSignalBlocker quiet(selector);
    selector->clear();
    for (const std::string& name : names)
        selector->addItem(fromCp932(name), QByteArray::fromStdString(name));
    selector->setCurrentIndex(-1);
}

std::optional<std::string> selectedName(const QComboBox* selector) {
    if (selector->currentIndex() < 0)
        return std::nullopt;
    return selector->currentData(kNameRole).toByteArray().toStdString();
}

} // namespace trelkin::ui
