#include "views/combination/combination_page.h"

#include "ui/flat_button_pages.h"

#include <QGridLayout>
#include <QGroupBox>

namespace trelkin {
namespace {

constexpr int kDetailBoxWidth = 300;

} // namespace

CombinationPage::CombinationPage(QWidget* parent)
    : QWidget(parent), m_pageControl2(new ui::FlatButtonPages(0, this)),
      m_groupBox1(new QGroupBox(QStringLiteral("調合/錬金 アイテム詳細"), this)),
      m_groupBox3(new QGroupBox(QStringLiteral("ヒント"), this)) {
    m_pageControl2->setObjectName(QStringLiteral("PageControl2"));
    m_pageControl2->addPage(new QWidget, QStringLiteral("素材から探す"));
    m_pageControl2->addPage(new QWidget, QStringLiteral("調合/錬金アイテム"));
    m_groupBox1->setObjectName(QStringLiteral("GroupBox1"));
    m_groupBox1->setFixedWidth(kDetailBoxWidth);
    m_groupBox3->setObjectName(QStringLiteral("GroupBox3"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_pageControl2, 0, 0);
    layout->addWidget(m_groupBox1, 0, 1);
    layout->addWidget(m_groupBox3, 1, 0, 1, 2);
    layout->setRowStretch(0, 1);
}

} // namespace trelkin
