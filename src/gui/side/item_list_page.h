#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QLabel;
class QListWidget;

namespace trelkin {

// The "素材・アイテム一覧" page: every material and craftable item, with their count along the bottom.
class ItemListPage : public QWidget {
    Q_OBJECT
public:
    explicit ItemListPage(QWidget* parent = nullptr);

    // Start-up's last step: the names of FillItemList, with their count below them.
    void showItems(const std::vector<std::string>& names);

private:
    QListWidget* m_listBox1;
    QLabel* m_panel3;
};

} // namespace trelkin
