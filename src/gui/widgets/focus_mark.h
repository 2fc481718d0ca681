#pragma once

#include <QRect>

class QPainter;
class QWidget;

namespace trelkin::ui {

// The keyboard's place on a widget that draws itself: the style's focus frame, a little inside `around`.
void drawFocusMark(QPainter& painter, const QWidget& widget, const QRect& around);

} // namespace trelkin::ui
