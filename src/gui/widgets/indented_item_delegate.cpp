#include "gui/widgets/indented_item_delegate.h"

#include <algorithm>

namespace trelkin::ui {

IndentedItemDelegate::IndentedItemDelegate(int indentation, int depthRole, QObject* parent)
    : ColouredItemDelegate(0, parent), m_indentation(indentation), m_depthRole(depthRole) {}

namespace {

constexpr int kFullyIndentedLevels = 4;
constexpr int kDeepIndentDivisor = 3;

} // namespace

int IndentedItemDelegate::indentOf(const QModelIndex& index) const {
    const int depth = index.data(m_depthRole).toInt();
    const int full = std::min(depth, kFullyIndentedLevels);
    return full * m_indentation + (depth - full) * std::max(1, m_indentation / kDeepIndentDivisor);
}

void IndentedItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QStyleOptionViewItem indented = option;
    indented.rect.setLeft(option.rect.left() + indentOf(index));
    ColouredItemDelegate::paint(painter, indented, index);
}

bool IndentedItemDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) {
    QStyleOptionViewItem indented = option;
    indented.rect.setLeft(option.rect.left() + indentOf(index));
    return ColouredItemDelegate::helpEvent(event, view, indented, index);
}

QSize IndentedItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return ColouredItemDelegate::sizeHint(option, index) + QSize(indentOf(index), 0);
}

} // namespace trelkin::ui
