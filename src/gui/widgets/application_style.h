#pragma once

#include <QColor>
#include <QProxyStyle>

namespace trelkin::ui {

// Selected rows and lines: white text on this blue reads at 7.7:1, well above the 4.5:1 that text needs.
inline const QColor kSelectionBackground(0, 84, 153);

// The window's style: the platform's own, with drop-down lists that open below their selector showing at most
// their set number of entries, a selection colour under which the highlighted text is easy to read, and frame
// lines that stay whole at fractional scale factors.
class ApplicationStyle : public QProxyStyle {
    Q_OBJECT
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returned = nullptr) const override;
    QPalette standardPalette() const override;
    void polish(QPalette& palette) override;
    using QProxyStyle::polish;
};

// Makes the application use ApplicationStyle; call once, after the application object is made.
void useApplicationStyle();

} // namespace trelkin::ui
