#pragma once

#include "core/data/common_guard.h"

#include <QWidget>

class QTreeWidget;

namespace trelkin {

// The "スキルリスト" page: every row of the skill table with its activation range.
class SkillListPanel : public QWidget {
    Q_OBJECT
public:
    explicit SkillListPanel(QWidget* parent = nullptr);

    void fillSkillList(const guard::TSkillDatas& skills);

private:
    QTreeWidget* m_listView1;
};

} // namespace trelkin
