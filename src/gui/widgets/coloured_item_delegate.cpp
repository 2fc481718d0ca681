#include "gui/widgets/coloured_item_delegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

namespace trelkin::ui {
namespace {

constexpr int kMarkerWidth = 3;

} // namespace

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
}

void ColouredItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    const QVariant foreground = index.data(Qt::ForegroundRole);
    if (option.state.testFlag(QStyle::State_Selected) && foreground.canConvert<QBrush>())
        painter->fillRect(QRect(option.rect.topLeft(), QSize(kMarkerWidth, option.rect.height())),
                          foreground.value<QBrush>());
}

bool ColouredItemDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    // The text's room: its rectangle as the style lays it out, less the style's margins, and no further right
    // than the view shows (a list's row is as wide as its text, and the view cuts it).
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget);
    const int margins = 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, &item, item.widget) + 1);
    const int right = std::min(textRect.right(), view->viewport()->rect().right());
    if (QFontMetrics(item.font).horizontalAdvance(item.text) > right - textRect.left() + 1 - margins) {
        QToolTip::showText(event->globalPos(), item.text, view);
        return true;
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}

} // namespace trelkin::ui
