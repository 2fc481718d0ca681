#include "gui/widgets/keyboard_use.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QWidget>

namespace trelkin::ui {

bool isActivationKey(const QKeyEvent& event) {
    const int key = event.key();
    // The keypad's Enter carries the keypad modifier and still counts.
    return (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
           (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

void drawFocusMark(QPainter& painter, const QWidget& widget, const QRect& around) {
    constexpr int kFocusMargin = 3;
    QStyleOptionFocusRect focus;
    focus.initFrom(&widget);
    focus.rect = around.adjusted(kFocusMargin, kFocusMargin, -kFocusMargin, -kFocusMargin);
    focus.backgroundColor = widget.palette().color(QPalette::Window);
    widget.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, &widget);
}

} // namespace trelkin::ui
