#include "gui/widgets/fixed_tab_widget.h"

#include "gui/widgets/keyboard_use.h"

#include <QStyleOptionTab>
#include <QStylePainter>

namespace trelkin::ui {

FixedSizeTabBar::FixedSizeTabBar(QSize tabSize, QWidget* parent) : QTabBar(parent), m_tabSize(tabSize) {
    setExpanding(false);
    setElideMode(Qt::ElideNone);
}

QSize FixedSizeTabBar::tabSizeHint(int) const {
    return m_tabSize;
}

QSize FixedSizeTabBar::minimumTabSizeHint(int) const {
    return m_tabSize;
}

void FixedSizeTabBar::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    for (int index = 0; index < count(); ++index) {
        QStyleOptionTab option;
        initStyleOption(&option, index);
        painter.drawControl(QStyle::CE_TabBarTabShape, option);
        painter.drawItemText(option.rect, Qt::AlignCenter | Qt::TextSingleLine, option.palette,
                             option.state.testFlag(QStyle::State_Enabled), option.text, QPalette::WindowText);
        if (hasFocus() && index == currentIndex())
            drawFocusMark(painter, *this, option.rect);
    }
}

FixedTabWidget::FixedTabWidget(QSize tabSize, QTabWidget::TabPosition position, QWidget* parent) : QTabWidget(parent) {
    setTabBar(new FixedSizeTabBar(tabSize, this));
    setTabPosition(position);
}

} // namespace trelkin::ui
