#pragma once

#include <QWidget>

class QGroupBox;

namespace trelkin {

namespace ui {
class FlatButtonPages;
}

// The "武 器" page: one upgrade tree per weapon class as inner pages, and the weapon detail panel on the right.
class WeaponPage : public QWidget {
    Q_OBJECT
public:
    explicit WeaponPage(QWidget* parent = nullptr);

    ui::FlatButtonPages* classPages() const { return m_classPages; }

private:
    ui::FlatButtonPages* m_classPages;
    QGroupBox* m_detailPanel;
};

} // namespace trelkin
