#include "gui/widgets/coloured_item_delegate.h"

#include <QFontMetrics>
#include <algorithm>

namespace trelkin::ui {

ColouredItemDelegate::ColouredItemDelegate(int rowHeight, QObject* parent)
    : QStyledItemDelegate(parent), m_rowHeight(rowHeight) {}

QSize ColouredItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    // The row never cuts the font's glyphs, whatever height was asked for.
    if (m_rowHeight > 0)
        size.setHeight(std::max(m_rowHeight, option.fontMetrics.height()));
    return size;
}

void ColouredItemDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->textElideMode = Qt::ElideRight;
    const QVariant foreground = index.data(Qt::ForegroundRole);
    if (foreground.canConvert<QBrush>())
        option->palette.setBrush(QPalette::HighlightedText, foreground.value<QBrush>());
}

} // namespace trelkin::ui
