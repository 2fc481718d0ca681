#include "views/armour/armour_page.h"

#include "ui/flat_button_pages.h"

#include <QGroupBox>
#include <QHBoxLayout>

namespace trelkin {
namespace {

constexpr int kDetailGroupWidth = 300;
constexpr int kSkillListPage = 2;

} // namespace

ArmourPage::ArmourPage(QWidget* parent)
    : QWidget(parent), m_pageControl3(new ui::FlatButtonPages(0, this)),
      m_groupBox5(new QGroupBox(QStringLiteral("防具詳細"), this)) {
    m_pageControl3->setObjectName(QStringLiteral("PageControl3"));
    for (const QString& caption : {QStringLiteral("防具検索"), QStringLiteral("防具選択"),
                                   QStringLiteral("スキルリスト"), QStringLiteral("セット検索")})
        m_pageControl3->addPage(new QWidget, caption);
    m_pageControl3->setButtonVisible(kSkillListPage, false);
    m_groupBox5->setObjectName(QStringLiteral("GroupBox5"));
    m_groupBox5->setFixedWidth(kDetailGroupWidth);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_pageControl3, 1);
    layout->addWidget(m_groupBox5);
}

} // namespace trelkin
