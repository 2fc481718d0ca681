#include "gui/widgets/application_style.h"

#include <QApplication>

namespace trelkin::ui {
namespace {

void withReadableSelection(QPalette& palette) {
    palette.setColor(QPalette::Highlight, kSelectionBackground);
    palette.setColor(QPalette::HighlightedText, Qt::white);
}

} // namespace

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
