#include "gui/widgets/tree_view.h"

#include <QKeyEvent>

namespace trelkin::ui {

TreeView::TreeView(QWidget* parent) : QTreeView(parent) {}

void TreeView::keyPressEvent(QKeyEvent* event) {
    const bool activates =
        event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space;
    if (activates && currentIndex().isValid() && event->modifiers() == Qt::NoModifier)
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
