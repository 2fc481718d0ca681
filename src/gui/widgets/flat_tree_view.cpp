#include "gui/widgets/flat_tree_view.h"

#include "gui/widgets/indented_item_delegate.h"

namespace trelkin::ui {

FlatTreeView::FlatTreeView(int indentation, int depthRole, QWidget* parent)
    : TreeViewWithoutButtons(parent), m_depthRole(depthRole) {
    setItemDelegate(new IndentedItemDelegate(indentation, depthRole, this));
}

QModelIndex FlatTreeView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = currentIndex();
    if (current.isValid() && action == MoveLeft)
        return parentRowOf(current);
    if (current.isValid() && action == MoveRight)
        return firstChildRowOf(current);
    return TreeViewWithoutButtons::moveCursor(action, modifiers);
}

int FlatTreeView::depthAt(int row) const {
    return model()->index(row, 0).data(m_depthRole).toInt();
}

// The parent is the nearest row above that stands one level higher; a top-level node stays where it is.
QModelIndex FlatTreeView::parentRowOf(const QModelIndex& node) const {
    const int depth = depthAt(node.row());
    for (int row = node.row() - 1; row >= 0; --row)
        if (depthAt(row) < depth)
            return model()->index(row, node.column());
    return node;
}

// A node's first child, if it has one, is the row right below it; a leaf stays where it is.
QModelIndex FlatTreeView::firstChildRowOf(const QModelIndex& node) const {
    const int below = node.row() + 1;
    if (below < model()->rowCount() && depthAt(below) > depthAt(node.row()))
        return model()->index(below, node.column());
    return node;
}

} // namespace trelkin::ui
