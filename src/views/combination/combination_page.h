#pragma once

#include <QWidget>

class QGroupBox;

namespace trelkin {

namespace ui {
class FlatButtonPages;
}

// The "調 合" page: the material-pair finder and the recipe tree as inner pages, the recipe detail box on the
// right and the colour legend along the bottom.
class CombinationPage : public QWidget {
    Q_OBJECT
public:
    explicit CombinationPage(QWidget* parent = nullptr);

    ui::FlatButtonPages* innerPages() const { return m_pageControl2; }

private:
    ui::FlatButtonPages* m_pageControl2;
    QGroupBox* m_groupBox1;
    QGroupBox* m_groupBox3;
};

} // namespace trelkin
