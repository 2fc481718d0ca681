#pragma once

#include "gui/widgets/coloured_item_delegate.h"

namespace trelkin::ui {

// Draws a fully open tree that its model lays out flat, one row per node in tree order: each item is moved right
// by the indentation for each of its first levels (the model's depthRole) and by a third of it for each level
// deeper, so that deep upgrade lines keep their names on screen. Unlike a real tree in a QTreeView, whose layout
// recurses once per level, a chain of any depth stays safe to show.
class IndentedItemDelegate : public ColouredItemDelegate {
    Q_OBJECT
public:
    IndentedItemDelegate(int indentation, int depthRole, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    int indentOf(const QModelIndex& index) const;

    int m_indentation;
    int m_depthRole;
};

} // namespace trelkin::ui
