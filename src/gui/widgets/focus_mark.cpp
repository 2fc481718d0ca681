#include "gui/widgets/focus_mark.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QWidget>

namespace trelkin::ui {

void drawFocusMark(QPainter& painter, const QWidget& widget, const QRect& around) {
    constexpr int kFocusMargin = 3;
    QStyleOptionFocusRect focus;
    focus.initFrom(&widget);
    focus.rect = around.adjusted(kFocusMargin, kFocusMargin, -kFocusMargin, -kFocusMargin);
    focus.backgroundColor = widget.palette().color(QPalette::Window);
    widget.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, &widget);
}

} // namespace trelkin::ui
