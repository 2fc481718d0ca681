#include "gui/widgets/application_style.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>

namespace trelkin::ui {
namespace {

void withReadableSelection(QPalette& palette) {
    palette.setColor(QPalette::Highlight, kSelectionBackground);
    palette.setColor(QPalette::HighlightedText, Qt::white);
}

// Fusion strokes a frame with a one-pixel pen along the rectangle's edge. At a fractional scale factor such a
// line falls between device pixels, and the widget's clip or its viewport drops it from one side or another;
// a band one pixel wide, filled, always covers a device pixel inside the widget. Same colour as Fusion's.
bool drawsWholeFrameLines(const QStyle* base, QStyle::PrimitiveElement element, const QWidget* widget) {
    return element == QStyle::PE_Frame && base->name() == QLatin1String("fusion") &&
           !(widget && widget->inherits("QComboBoxPrivateContainer"));
}

void fillFrameLines(const QStyleOption& option, QPainter& painter) {
    constexpr int kDarker = 140;  // Fusion's outline: the window colour darkened
    constexpr int kLighter = 108; // and its plain frame a little lighter
    const QColor colour = option.palette.window().color().darker(kDarker).lighter(kLighter);
    const QRect& r = option.rect;
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), colour);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), colour);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), colour);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), colour);
}

} // namespace

void ApplicationStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                     const QWidget* widget) const {
    if (drawsWholeFrameLines(baseStyle(), element, widget))
        fillFrameLines(*option, *painter);
    else
        QProxyStyle::drawPrimitive(element, option, painter, widget);
}

int ApplicationStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                QStyleHintReturn* returned) const {
    // A popup laid over its selector fills the screen's height whatever the selector's maxVisibleItems says.
    if (hint == SH_ComboBox_Popup)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returned);
}

QPalette ApplicationStyle::standardPalette() const {
    QPalette palette = QProxyStyle::standardPalette();
    withReadableSelection(palette);
    return palette;
}

void ApplicationStyle::polish(QPalette& palette) {
    QProxyStyle::polish(palette);
    withReadableSelection(palette);
}

void useApplicationStyle() {
    QApplication::setStyle(new ApplicationStyle);
    QPalette palette = QApplication::palette();
    withReadableSelection(palette);
    QApplication::setPalette(palette);
}

} // namespace trelkin::ui
