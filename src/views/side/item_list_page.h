#pragma once

#include <QWidget>

class QLabel;
class QListWidget;

namespace trelkin {

// The "素材・アイテム一覧" page: every material and craftable item, with their count along the bottom.
class ItemListPage : public QWidget {
    Q_OBJECT
public:
    explicit ItemListPage(QWidget* parent = nullptr);

private:
    QListWidget* m_listBox1;
    QLabel* m_panel3;
};

} // namespace trelkin
