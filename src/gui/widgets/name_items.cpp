#include "gui/widgets/name_items.h"

#include "core/text/cp932.h"
#include "gui/widgets/colour.h"
#include "gui/widgets/selector_text.h"

#include <QComboBox>
#include <QListWidget>
#include <QStandardItemModel>

namespace trelkin::ui {

void setNameItems(QComboBox* selector, const std::vector<std::string>& names) {
    const QSignalBlocker quiet(selector);
    selector->clear();
    // A selector's own model is a standard item model, which takes the items in one go.
    auto* model = qobject_cast<QStandardItemModel*>(selector->model());
    QList<QStandardItem*> items;
    items.reserve(qsizetype(names.size()));
    for (const std::string& name : names) {
        auto* item = new QStandardItem(fromCp932(name));
        item->setData(QByteArray::fromStdString(name), kNameRole);
        items.append(item);
    }
    model->invisibleRootItem()->appendRows(items);
    selector->setCurrentIndex(-1);
    showNamesInFull(selector);
}

void setNameEntries(QListWidget* list, const std::vector<std::string>& names,
                    const std::function<Rgb(const std::string&)>& colourOf) {
    const QSignalBlocker quiet(list);
    list->clear();
    for (const std::string& name : names) {
        auto* item = new QListWidgetItem(fromCp932(name));
        item->setData(kNameRole, QByteArray::fromStdString(name));
        if (colourOf)
            item->setForeground(toQColor(colourOf(name)));
        list->addItem(item);
    }
}

std::optional<std::string> selectedName(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return selected.first()->data(kNameRole).toByteArray().toStdString();
}

std::optional<std::string> selectedName(const QComboBox* selector) {
    if (selector->currentIndex() < 0)
        return std::nullopt;
    return selector->currentData(kNameRole).toByteArray().toStdString();
}

bool selectNameQuietly(QComboBox* selector, const std::string& name) {
    const int item = selector->findData(QByteArray::fromStdString(name), kNameRole);
    if (item < 0)
        return false;
    const QSignalBlocker quiet(selector);
    selector->setCurrentIndex(item);
    return true;
}

} // namespace trelkin::ui
