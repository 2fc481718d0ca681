#include "views/weapon/weapon_page.h"

#include "ui/flat_button_pages.h"

#include <QGroupBox>
#include <QHBoxLayout>

namespace trelkin {
namespace {

constexpr int kClassButtonWidth = 85;
constexpr int kDetailPanelWidth = 346;

} // namespace

WeaponPage::WeaponPage(QWidget* parent)
    : QWidget(parent), m_classPages(new ui::FlatButtonPages(kClassButtonWidth, this)),
      m_detailPanel(new QGroupBox(QStringLiteral("武器詳細"), this)) {
    for (const QString& weaponClass : {QStringLiteral("片手剣"), QStringLiteral("双剣"), QStringLiteral("大剣"),
                                       QStringLiteral("ハンマー"), QStringLiteral("ランス")})
        m_classPages->addPage(new QWidget, weaponClass);
    m_detailPanel->setFixedWidth(kDetailPanelWidth);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_classPages, 1);
    layout->addWidget(m_detailPanel);
}

} // namespace trelkin
