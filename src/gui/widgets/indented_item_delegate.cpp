#include "gui/widgets/indented_item_delegate.h"

namespace trelkin::ui {

IndentedItemDelegate::IndentedItemDelegate(int indentation, int depthRole, QObject* parent)
    : ColouredItemDelegate(0, parent), m_indentation(indentation), m_depthRole(depthRole) {}

int IndentedItemDelegate::indentOf(const QModelIndex& index) const {
    return index.data(m_depthRole).toInt() * m_indentation;
}

void IndentedItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QStyleOptionViewItem indented = option;
    indented.rect.setLeft(option.rect.left() + indentOf(index));
    ColouredItemDelegate::paint(painter, indented, index);
}

QSize IndentedItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return ColouredItemDelegate::sizeHint(option, index) + QSize(indentOf(index), 0);
}

} // namespace trelkin::ui
