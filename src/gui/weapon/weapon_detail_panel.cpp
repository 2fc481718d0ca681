#include "gui/weapon/weapon_detail_panel.h"

#include "core/text/cp932.h"
#include "gui/widgets/value_label.h"
#include "gui/widgets/window_font.h"

#include <QFontMetrics>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>

namespace trelkin {
namespace {

constexpr int kEffectListLines = 2;

QListWidget* makeList(const QString& name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    return list;
}

void showLines(QListWidget* list, const std::vector<std::string>& lines) {
    list->clear();
    for (const std::string& line : lines)
        list->addItem(fromCp932(line));
}

} // namespace

WeaponDetailPanel::WeaponDetailPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("武器詳細"), parent),
      m_labelWeaponName(ui::makeValueLabel(QStringLiteral("LabelWeaponName"), this)),
      m_labelWeaponType(ui::makeValueLabel(QStringLiteral("LabelWeaponType"), this)),
      m_labelWeaponAttack(ui::makeValueLabel(QStringLiteral("LabelWeaponAttack"), this)),
      m_listBoxEffect(makeList(QStringLiteral("ListBoxEffect"), this)),
      m_labelWeaponSale(ui::makeValueLabel(QStringLiteral("LabelWeaponSale"), this)),
      m_listBoxCreateMaterials(makeList(QStringLiteral("ListBoxCreateMaterials"), this)),
      m_labelWeaponParent(ui::makeValueLabel(QStringLiteral("LabelWeaponParent"), this)),
      m_labelWeaponProduction(ui::makeValueLabel(QStringLiteral("LabelWeaponProduction"), this)),
      m_listBoxMaterials(makeList(QStringLiteral("ListBoxMaterials"), this)) {
    const int frame = 2 * m_listBoxEffect->frameWidth();
    m_listBoxEffect->setFixedHeight(kEffectListLines * QFontMetrics(ui::windowFont()).height() + frame);

    auto* fields = new QFormLayout(this);
    fields->setVerticalSpacing(2);
    fields->addRow(QStringLiteral("名称："), m_labelWeaponName);
    fields->addRow(QStringLiteral("タイプ："), m_labelWeaponType);
    fields->addRow(QStringLiteral("攻撃力："), m_labelWeaponAttack);
    fields->addRow(QStringLiteral("追加属性："), m_listBoxEffect);
    fields->addRow(QStringLiteral("生産価格："), m_labelWeaponSale);
    fields->addRow(QStringLiteral("生産素材："), m_listBoxCreateMaterials);
    fields->addRow(QStringLiteral("強化元の武器："), m_labelWeaponParent);
    fields->addRow(QStringLiteral("強化価格："), m_labelWeaponProduction);
    fields->addRow(QStringLiteral("強化素材："), m_listBoxMaterials);
    showDetails(noWeaponDetails());
}

void WeaponDetailPanel::showDetails(const WeaponDetails& details) {
    m_labelWeaponName->setText(fromCp932(details.name));
    m_labelWeaponType->setText(fromCp932(details.type));
    m_labelWeaponAttack->setText(fromCp932(details.attack));
    showLines(m_listBoxEffect, details.effects);
    m_labelWeaponSale->setText(fromCp932(details.sale));
    showLines(m_listBoxCreateMaterials, details.createMaterials);
    m_labelWeaponParent->setText(fromCp932(details.parent));
    m_labelWeaponProduction->setText(fromCp932(details.production));
    showLines(m_listBoxMaterials, details.materials);
}

} // namespace trelkin
