#pragma once

#include <QRect>

class QKeyEvent;
class QPainter;
class QWidget;

namespace trelkin::ui {

// Enter (also the keypad's), Return or Space with no modifier: on a widget that answers clicks, the key does what a
// click does.
bool isActivationKey(const QKeyEvent& event);

// The keyboard's place on a widget that draws itself: the style's focus frame, a little inside `around`.
void drawFocusMark(QPainter& painter, const QWidget& widget, const QRect& around);

} // namespace trelkin::ui
