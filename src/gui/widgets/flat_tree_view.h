#pragma once

#include "gui/widgets/tree_view_without_buttons.h"

namespace trelkin::ui {

// Shows a fully open tree that its model lays out flat, one row per node in tree order with the node's depth in
// depthRole, and moves through it as through a real tree: Left goes to the parent, Right to the first child.
class FlatTreeView : public TreeViewWithoutButtons {
    Q_OBJECT
public:
    FlatTreeView(int indentation, int depthRole, QWidget* parent = nullptr);

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    int depthAt(int row) const;
    QModelIndex parentRowOf(const QModelIndex& node) const;
    QModelIndex firstChildRowOf(const QModelIndex& node) const;

    int m_depthRole;
};

} // namespace trelkin::ui
