#include "gui/widgets/tree_view.h"

namespace trelkin::ui {

TreeView::TreeView(QWidget* parent) : QTreeView(parent) {}

void TreeView::expandInOnePass(const QModelIndexList& indexes) {
    // While a layout is pending, expand() only records the node.
    scheduleDelayedItemsLayout();
    for (const QModelIndex& index : indexes)
        expand(index);
    executeDelayedItemsLayout();
}

} // namespace trelkin::ui
