#include "gui/widgets/tree_view_without_buttons.h"

namespace trelkin::ui {

TreeViewWithoutButtons::TreeViewWithoutButtons(QWidget* parent) : TreeView(parent) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
}

void TreeViewWithoutButtons::drawBranches(QPainter*, const QRect&, const QModelIndex&) const {}

} // namespace trelkin::ui
