#pragma once

#include <QTabBar>
#include <QTabWidget>

namespace trelkin::ui {

// A tab bar whose tabs all have one fixed size, whatever their captions. The caption is centred over the
// whole tab, without the style's label margins, so that a long caption still fits; the current tab shows a focus
// frame while the bar has the keyboard.
class FixedSizeTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit FixedSizeTabBar(QSize tabSize, QWidget* parent = nullptr);

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    void paintEvent(QPaintEvent* event) override;

private:
    QSize m_tabSize;
};

// Pages with fixed-size tabs at a chosen edge.
class FixedTabWidget : public QTabWidget {
    Q_OBJECT
public:
    FixedTabWidget(QSize tabSize, QTabWidget::TabPosition position, QWidget* parent = nullptr);
};

} // namespace trelkin::ui
