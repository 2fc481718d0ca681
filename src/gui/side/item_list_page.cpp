#include "gui/side/item_list_page.h"

#include "core/text/count_text.h"
#include "core/text/cp932.h"
#include "gui/widgets/coloured_item_delegate.h"
#include "gui/widgets/name_items.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace trelkin {
namespace {

constexpr int kCountLineHeight = 17;
constexpr int kListRowHeight = 12;

} // namespace

ItemListPage::ItemListPage(QWidget* parent)
    : QWidget(parent), m_listBox1(new QListWidget(this)), m_panel3(new QLabel(QStringLiteral("---件"), this)) {
    m_listBox1->setObjectName(QStringLiteral("ListBox1"));
    m_listBox1->setItemDelegate(new ui::ColouredItemDelegate(kListRowHeight, m_listBox1));
    m_listBox1->setUniformItemSizes(true);
    m_panel3->setObjectName(QStringLiteral("Panel3"));
    m_panel3->setAlignment(Qt::AlignCenter);
    m_panel3->setFixedHeight(kCountLineHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_listBox1, 1);
    layout->addWidget(m_panel3);
}

void ItemListPage::showItems(const std::vector<std::string>& names) {
    ui::setNameEntries(m_listBox1, names);
    m_panel3->setText(fromCp932(countText(names.size())));
}

} // namespace trelkin
