#include "gui/armour/skill_list_panel.h"

#include "core/armour/armour_selectors.h"
#include "core/text/cp932.h"

#include <QTreeWidget>
#include <QVBoxLayout>

namespace trelkin {
namespace {

constexpr int kSkillWidth = 60;
constexpr int kNameWidth = 140;
constexpr int kRangeWidth = 60;

} // namespace

SkillListPanel::SkillListPanel(QWidget* parent) : QWidget(parent), m_listView1(new QTreeWidget(this)) {
    m_listView1->setObjectName(QStringLiteral("ListView1"));
    m_listView1->setHeaderLabels({QStringLiteral("スキル名"), QStringLiteral("発動スキル"),
                                  QStringLiteral("スキル発動範囲"), QStringLiteral("効果")});
    m_listView1->setRootIsDecorated(false);
    m_listView1->setUniformRowHeights(true);
    m_listView1->setColumnWidth(0, kSkillWidth);
    m_listView1->setColumnWidth(1, kNameWidth);
    m_listView1->setColumnWidth(2, kRangeWidth);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_listView1);
}

void SkillListPanel::fillSkillList(const guard::TSkillDatas& skills) {
    m_listView1->setUpdatesEnabled(false);
    m_listView1->clear();
    QList<QTreeWidgetItem*> rows;
    for (const SkillListRow& row : skillListRows(skills))
        rows.append(new QTreeWidgetItem(
            QStringList{fromCp932(row.Skill), fromCp932(row.Name), fromCp932(row.Range), fromCp932(row.Effect)}));
    m_listView1->addTopLevelItems(rows);
    m_listView1->setUpdatesEnabled(true);
}

} // namespace trelkin
