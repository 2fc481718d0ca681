#include "gui/combination/material_pair_panel.h"

#include "core/combination/material_pairs.h"
#include "core/combination/recipe_colour.h"
#include "core/text/cp932.h"
#include "gui/widgets/colour.h"
#include "gui/widgets/coloured_item_delegate.h"
#include "gui/widgets/name_items.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <optional>

namespace trelkin {
namespace {

constexpr int kListRowHeight = 12;
constexpr int kDecorationPixelSize = 16;

QListWidget* makeMaterialList(const QString& name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setItemDelegate(new ui::ColouredItemDelegate(kListRowHeight, list));
    list->setUniformItemSizes(true);
    return list;
}

QLabel* makeDecoration(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont large = label->font();
    large.setPixelSize(kDecorationPixelSize);
    label->setFont(large);
    return label;
}

} // namespace

MaterialPairPanel::MaterialPairPanel(QWidget* parent)
    : QWidget(parent), m_label13(new QLabel(QString::fromStdString(kPartnerCountPlaceholder), this)),
      m_lbPrepare1(makeMaterialList(QStringLiteral("LBPrepare1"), this)),
      m_label19(new QLabel(QString::fromStdString(kPartnerCountPlaceholder), this)),
      m_lbPrepare2(makeMaterialList(QStringLiteral("LBPrepare2"), this)), m_label27(new QLabel(this)),
      m_label16(new QLabel(this)) {
    m_label13->setObjectName(QStringLiteral("Label13"));
    m_label19->setObjectName(QStringLiteral("Label19"));
    m_label27->setObjectName(QStringLiteral("Label27"));
    m_label16->setObjectName(QStringLiteral("Label16"));
    resetPartners();

    auto* groupBox4 = new QGroupBox(QStringLiteral("素材1作るための材料"), this);
    auto* recipeBox = new QVBoxLayout(groupBox4);
    recipeBox->addWidget(m_label27);
    recipeBox->addWidget(m_label16);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("素材1"), this), 0, 0);
    layout->addWidget(m_label13, 0, 1, Qt::AlignRight);
    layout->addWidget(m_lbPrepare1, 1, 0, 1, 2);
    layout->addWidget(makeDecoration(QStringLiteral("＋"), this), 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("素材2"), this), 0, 3);
    layout->addWidget(m_label19, 0, 4, Qt::AlignRight);
    layout->addWidget(m_lbPrepare2, 1, 3, 1, 2);
    layout->addWidget(makeDecoration(QStringLiteral("＝"), this), 1, 5);
    layout->addWidget(groupBox4, 2, 0, 1, 6);
    layout->setRowStretch(1, 1);

    connect(m_lbPrepare1, &QListWidget::itemSelectionChanged, this, &MaterialPairPanel::LBPrepare1Click);
    connect(m_lbPrepare2, &QListWidget::itemSelectionChanged, this, &MaterialPairPanel::LBPrepare2Click);
}

void MaterialPairPanel::FillMaterialList(const TPrepareDatas& recipes) {
    m_recipes = &recipes;
    m_byItem = std::make_unique<RecipesByItem>(recipes);
    const std::vector<std::string> materials = trelkin::FillMaterialList(recipes);
    fillList(m_lbPrepare1, materials);
    m_label13->setText(QString::fromStdString(countLabel(materials.size())));
}

void MaterialPairPanel::fillList(QListWidget* list, const std::vector<std::string>& names) {
    ui::setNameEntries(list, names,
                       [this](const std::string& name) { return RecipeColour(*m_recipes, *m_byItem, name); });
}

void MaterialPairPanel::resetPartners() {
    m_lbPrepare2->clear();
    m_label16->setText(QString::fromStdString(kRecipeLinePlaceholder));
    m_label27->setText(QString::fromStdString(kRecipeKindPlaceholder));
    m_label19->setText(QString::fromStdString(kPartnerCountPlaceholder));
}

void MaterialPairPanel::LBPrepare1Click() {
    resetPartners();
    emit detailsRequested(PrepareDetailsKey::none());
    const std::optional<std::string> material = ui::selectedName(m_lbPrepare1);
    if (!material || !m_recipes)
        return;
    const MaterialPartners partners = partnersOf(*m_recipes, *material);
    fillList(m_lbPrepare2, partners.partners);
    m_label19->setText(QString::fromStdString(partners.countLabel));
    m_label16->setText(fromCp932(partners.recipeLine));
    m_label27->setText(fromCp932(partners.kindLabel));
}

void MaterialPairPanel::LBPrepare2Click() {
    const std::optional<std::string> material = ui::selectedName(m_lbPrepare1);
    const std::optional<std::string> partner = ui::selectedName(m_lbPrepare2);
    if (material && partner)
        emit detailsRequested(PrepareDetailsKey::byPair(*material, *partner));
}

} // namespace trelkin
