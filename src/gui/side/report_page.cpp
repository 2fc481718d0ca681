#include "gui/side/report_page.h"

#include "core/armour/armour_selectors.h"
#include "core/data/armour_slot.h"
#include "core/desktop/open_failure.h"
#include "core/side/side_addresses.h"
#include "core/text/cp932.h"
#include "gui/widgets/dialogs.h"
#include "gui/widgets/integer_field.h"
#include "gui/widgets/name_items.h"
#include "gui/widgets/url_opener.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace trelkin {
namespace {

constexpr int kDroppedDownLines = 25;
constexpr int kNumberWidth = 56;
constexpr int kSlotWidth = 56;
constexpr int kFirstMaterialNumber = 12;
constexpr int kFirstSkillNumber = 7;
constexpr int kFirstResistanceNumber = 17;
const QString kMaterialUnit = QStringLiteral("個");

const std::array<QString, ReportPage::kResistanceCount> kResistanceCaptions{QStringLiteral("火"), QStringLiteral("水"),
                                                                            QStringLiteral("雷"), QStringLiteral("龍")};
const std::array<std::pair<const char*, QString>, ReportPage::kWearerCount> kWearers{{
    {"CheckBoxMan", QStringLiteral("男")},
    {"CheckBoxFamel", QStringLiteral("女")},
    {"CheckBoxSwordman", QStringLiteral("剣士")},
    {"CheckBoxGunner", QStringLiteral("ガンナー")},
}};

QString numbered(const char* prefix, int number) {
    return QString::fromLatin1(prefix) + QString::number(number);
}

ui::IntegerField* numberField(const QString& name, QWidget* parent) {
    auto* field = new ui::IntegerField(name, parent);
    field->setFixedWidth(kNumberWidth);
    return field;
}

QComboBox* editableSelector(const QString& name, QWidget* parent) {
    auto* selector = new QComboBox(parent);
    selector->setObjectName(name);
    selector->setEditable(true);
    selector->setInsertPolicy(QComboBox::NoInsert);
    selector->setMaxVisibleItems(kDroppedDownLines);
    selector->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    selector->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return selector;
}

std::array<ReportRow, kReportRowCount> rowValues(const auto& rows) {
    std::array<ReportRow, kReportRowCount> values;
    for (size_t i = 0; i < kReportRowCount; ++i)
        values[i] = {rows[i].name->currentText(), rows[i].value->value()};
    return values;
}

} // namespace

ReportPage::ReportPage(QWidget* parent) : QWidget(parent), m_opener(new ui::UrlOpener(this)) {
    auto* groupBox = new QGroupBox(QStringLiteral("防具"), this);
    auto* left = new QVBoxLayout;
    left->addLayout(buildMainFields(groupBox));
    left->addWidget(buildResistances());
    left->addWidget(buildWearers());
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(buildRows(QStringLiteral("生産素材"), m_materialRows, kFirstMaterialNumber, kMaterialUnit));
    right->addWidget(buildRows(QStringLiteral("スキル"), m_skillRows, kFirstSkillNumber, QString()));
    right->addStretch(1);
    // Made last, so that Tab reaches the form's every field before the button that sends it.
    m_button3 = new QPushButton(QStringLiteral("送 信"), groupBox);
    m_button3->setAutoDefault(true); // a focused button answers Enter, not only Space
    m_button3->setObjectName(QStringLiteral("Button3"));
    left->addWidget(m_button3);
    auto* columns = new QHBoxLayout(groupBox);
    columns->addLayout(left);
    columns->addLayout(right, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(groupBox);
    connect(m_button3, &QPushButton::clicked, this, &ReportPage::Button3Click);
}

QFormLayout* ReportPage::buildMainFields(QWidget* box) {
    m_comboBox6 = new QComboBox(box);
    m_comboBox6->setObjectName(QStringLiteral("ComboBox6"));
    m_comboBox6->setFixedWidth(kSlotWidth);
    for (const ArmourSlot slot : kArmourSlots)
        m_comboBox6->addItem(fromCp932(slotCaption(slot)));
    m_comboBox6->setCurrentIndex(-1);
    m_edit1 = new QLineEdit(box);
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_spinEdit5 = numberField(QStringLiteral("SpinEdit5"), box);
    m_spinEdit21 = numberField(QStringLiteral("SpinEdit21"), box);
    m_spinEdit6 = numberField(QStringLiteral("SpinEdit6"), box);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("装備箇所"), m_comboBox6);
    fields->addRow(QStringLiteral("防具名称"), m_edit1);
    fields->addRow(QStringLiteral("防御力"), m_spinEdit5);
    fields->addRow(QStringLiteral("レア度"), m_spinEdit21);
    fields->addRow(QStringLiteral("生産価格"), m_spinEdit6);
    return fields;
}

QGroupBox* ReportPage::buildResistances() {
    auto* box = new QGroupBox(QStringLiteral("属性"), this);
    auto* row = new QHBoxLayout(box);
    for (size_t i = 0; i < m_resistances.size(); ++i) {
        m_resistances[i] = numberField(numbered("SpinEdit", kFirstResistanceNumber + int(i)), box);
        row->addWidget(new QLabel(kResistanceCaptions[i], box));
        row->addWidget(m_resistances[i]);
    }
    return box;
}

QGroupBox* ReportPage::buildWearers() {
    auto* box = new QGroupBox(QStringLiteral("装備可能者"), this);
    auto* row = new QHBoxLayout(box);
    for (size_t i = 0; i < m_wearers.size(); ++i) {
        m_wearers[i] = new QCheckBox(kWearers[i].second, box);
        m_wearers[i]->setObjectName(QString::fromLatin1(kWearers[i].first));
        m_wearers[i]->setChecked(true);
        row->addWidget(m_wearers[i]);
    }
    return box;
}

QGroupBox* ReportPage::buildRows(const QString& caption, Rows& rows, int firstNumber, const QString& unit) {
    auto* box = new QGroupBox(caption, this);
    auto* grid = new QGridLayout(box);
    for (size_t i = 0; i < kReportRowCount; ++i) {
        const int number = firstNumber + int(i);
        rows[i] = {editableSelector(numbered("ComboBox", number), box), numberField(numbered("SpinEdit", number), box)};
        grid->addWidget(rows[i].name, int(i), 0);
        grid->addWidget(rows[i].value, int(i), 1);
        grid->addWidget(new QLabel(unit, box), int(i), 2);
    }
    // Both boxes keep room for the unit, so that the number fields of skills line up with those of materials.
    grid->setColumnMinimumWidth(2, box->fontMetrics().horizontalAdvance(kMaterialUnit));
    grid->setColumnStretch(0, 1);
    return box;
}

void ReportPage::fillSelectors(const ArmourTables& tables) {
    const std::vector<std::string> skills = skillSystemItems(tables.SkillDatas);
    for (const RowFields& row : m_skillRows)
        ui::setNameItems(row.name, skills);
    const std::vector<std::string> materials = materialItems(tables);
    for (const RowFields& row : m_materialRows)
        ui::setNameItems(row.name, materials);
}

ArmourReportForm ReportPage::form() const {
    enum Wearer { Male, Female, Swordsman, Gunner };
    enum Resistance { Fire, Water, Thunder, Dragon };
    ArmourReportForm values;
    values.Slot = m_comboBox6->currentText();
    values.Name = m_edit1->text();
    values.Def = m_spinEdit5->value();
    values.Rare = m_spinEdit21->value();
    values.Production = m_spinEdit6->value();
    values.Fire = m_resistances[Fire]->value();
    values.Water = m_resistances[Water]->value();
    values.Thunder = m_resistances[Thunder]->value();
    values.Dragon = m_resistances[Dragon]->value();
    values.Male = m_wearers[Male]->isChecked();
    values.Female = m_wearers[Female]->isChecked();
    values.Swordsman = m_wearers[Swordsman]->isChecked();
    values.Gunner = m_wearers[Gunner]->isChecked();
    values.Materials = rowValues(m_materialRows);
    values.Skills = rowValues(m_skillRows);
    return values;
}

void ReportPage::Button3Click() {
    const QString url = encodedReportUrl(composeArmourReport(form()), reportAddress());
    if (const std::optional<QString> refusal = reportRefusal(url))
        return ui::showErrorBox(this, *refusal);
    m_opener->open(url, [this](int failure) { ui::showErrorBox(this, openFailureMessage(failure)); });
}

} // namespace trelkin
