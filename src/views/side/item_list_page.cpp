#include "views/side/item_list_page.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace trelkin {
namespace {

constexpr int kCountLineHeight = 17;

} // namespace

ItemListPage::ItemListPage(QWidget* parent)
    : QWidget(parent), m_listBox1(new QListWidget(this)), m_panel3(new QLabel(QStringLiteral("---件"), this)) {
    m_listBox1->setObjectName(QStringLiteral("ListBox1"));
    m_panel3->setObjectName(QStringLiteral("Panel3"));
    m_panel3->setAlignment(Qt::AlignCenter);
    m_panel3->setFixedHeight(kCountLineHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_listBox1, 1);
    layout->addWidget(m_panel3);
}

} // namespace trelkin
