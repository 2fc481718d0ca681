#include "gui/widgets/tree_view.h"

#include "gui/widgets/keyboard_use.h"

#include <QKeyEvent>

namespace trelkin::ui {

TreeView::TreeView(QWidget* parent) : QTreeView(parent) {}

void TreeView::keyPressEvent(QKeyEvent* event) {
    if (isActivationKey(*event) && currentIndex().isValid())
        return emit clicked(currentIndex());
    QTreeView::keyPressEvent(event);
}

void TreeView::expandInOnePass(const QModelIndexList& indexes) {
    // While a layout is pending, expand() only records the node.
    scheduleDelayedItemsLayout();
    for (const QModelIndex& index : indexes)
        expand(index);
    executeDelayedItemsLayout();
}

} // namespace trelkin::ui
