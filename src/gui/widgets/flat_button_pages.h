#pragma once

#include <QIcon>
#include <QWidget>
#include <vector>

class QButtonGroup;
class QStackedWidget;
class QToolButton;

namespace trelkin::ui {

class FlowLayout;

// Inner pages whose tabs are drawn as flat buttons above the pages, wrapping onto more rows when needed.
// A page's button can be hidden while its page stays reachable from code.
class FlatButtonPages : public QWidget {
    Q_OBJECT
public:
    // buttonWidth 0 sizes each button to its caption.
    explicit FlatButtonPages(int buttonWidth = 0, QWidget* parent = nullptr);

    int addPage(QWidget* page, const QString& caption, const QIcon& icon = {});
    void setButtonVisible(int index, bool visible);
    int count() const;
    int currentIndex() const;
    void setCurrentIndex(int index);
    QWidget* page(int index) const;
    QToolButton* button(int index) const;

signals:
    void currentChanged(int index);

private:
    int m_buttonWidth;
    FlowLayout* m_buttonRow;
    QButtonGroup* m_buttons;
    QStackedWidget* m_pages;
};

} // namespace trelkin::ui
