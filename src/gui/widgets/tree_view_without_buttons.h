#pragma once

#include "gui/widgets/tree_view.h"

namespace trelkin::ui {

// A tree view that draws no open/close buttons and no lines at any level; it is meant to be shown fully open.
class TreeViewWithoutButtons : public TreeView {
    Q_OBJECT
public:
    explicit TreeViewWithoutButtons(QWidget* parent = nullptr);

protected:
    void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;
};

} // namespace trelkin::ui
