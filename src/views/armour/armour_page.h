#pragma once

#include <QWidget>

class QGroupBox;

namespace trelkin {

namespace ui {
class FlatButtonPages;
}

// The "防 具" page: armour search, the five-slot composer, the skill list (reached from code only) and the
// set search as inner pages, with the armour detail group on the right.
class ArmourPage : public QWidget {
    Q_OBJECT
public:
    explicit ArmourPage(QWidget* parent = nullptr);

    ui::FlatButtonPages* innerPages() const { return m_pageControl3; }

private:
    ui::FlatButtonPages* m_pageControl3;
    QGroupBox* m_groupBox5;
};

} // namespace trelkin
