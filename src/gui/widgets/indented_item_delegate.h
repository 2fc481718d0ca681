#pragma once

#include "gui/widgets/coloured_item_delegate.h"

namespace trelkin::ui {

// Draws a fully open tree that its model lays out flat, one row per node in tree order: each item is moved right
// by its depth (the model's depthRole) times the indentation. Unlike a real tree in a QTreeView, whose layout
// recurses once per level, a chain of any depth stays safe to show.
class IndentedItemDelegate : public ColouredItemDelegate {
    Q_OBJECT
public:
    IndentedItemDelegate(int indentation, int depthRole, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int indentOf(const QModelIndex& index) const;

    int m_indentation;
    int m_depthRole;
};

} // namespace trelkin::ui
