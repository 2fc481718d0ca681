#include "ui/fixed_tab_widget.h"

namespace trelkin::ui {

FixedSizeTabBar::FixedSizeTabBar(QSize tabSize, QWidget* parent) : QTabBar(parent), m_tabSize(tabSize) {
    setExpanding(false);
    setElideMode(Qt::ElideRight);
}

QSize FixedSizeTabBar::tabSizeHint(int) const {
    return m_tabSize;
}

QSize FixedSizeTabBar::minimumTabSizeHint(int) const {
    return m_tabSize;
}

FixedTabWidget::FixedTabWidget(QSize tabSize, QTabWidget::TabPosition position, QWidget* parent)
    : QTabWidget(parent) {
    setTabBar(new FixedSizeTabBar(tabSize, this));
    setTabPosition(position);
}

} // namespace trelkin::ui
