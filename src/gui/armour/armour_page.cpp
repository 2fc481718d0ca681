#include "gui/armour/armour_page.h"

#include "core/armour/evaluation.h"
#include "gui/armour/armour_composer_panel.h"
#include "gui/armour/armour_detail_group.h"
#include "gui/armour/armour_search_panel.h"
#include "gui/armour/skill_list_panel.h"
#include "gui/widgets/flat_button_pages.h"

#include <QHBoxLayout>

namespace trelkin {
namespace {

constexpr int kDetailGroupWidth = 336;
constexpr int kSkillListPage = 2;

} // namespace

ArmourPage::ArmourPage(QWidget* setSearchPage, QWidget* parent)
    : QWidget(parent), m_pageControl3(new ui::FlatButtonPages(0, this)), m_searchPanel(new ArmourSearchPanel),
      m_composerPanel(new ArmourComposerPanel), m_skillListPanel(new SkillListPanel),
      m_groupBox5(new ArmourDetailGroup) {
    m_pageControl3->setObjectName(QStringLiteral("PageControl3"));
    m_pageControl3->addPage(m_searchPanel, QStringLiteral("防具検索"));
    m_pageControl3->addPage(m_composerPanel, QStringLiteral("防具選択"));
    m_pageControl3->addPage(m_skillListPanel, QStringLiteral("スキルリスト"));
    m_pageControl3->addPage(setSearchPage, QStringLiteral("セット検索"));
    m_pageControl3->setButtonVisible(kSkillListPage, false);
    m_groupBox5->setFixedWidth(kDetailGroupWidth);
    // The detail group joins the page after the inner pages, so that Tab goes through the left side first.

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_pageControl3, 1);
    layout->addWidget(m_groupBox5);

    connect(m_composerPanel, &ArmourComposerPanel::selectionChanged, this, &ArmourPage::showSelection);
    connect(m_searchPanel, &ArmourSearchPanel::pieceSelected, this, &ArmourPage::showPiece);
    connect(m_searchPanel, &ArmourSearchPanel::pieceDeselected, m_groupBox5, &ArmourDetailGroup::ResetArmourDetail);
}

void ArmourPage::fillFromTables(const ArmourTables& tables) {
    m_tables = &tables;
    m_composerPanel->fillSelectors(tables);
    m_skillListPanel->fillSkillList(tables.SkillDatas);
    m_searchPanel->fillSelectors(tables);
}

void ArmourPage::composeSet(const std::array<std::string, kArmourSlotCount>& names) {
    m_composerPanel->chooseSet(names);
}

void ArmourPage::showSelection(const ArmourSelection& selection) {
    if (m_tables)
        m_groupBox5->ShowArmourEvaluation(EvaluateArmourSet(*m_tables, selection));
}

void ArmourPage::showPiece(const std::string& name) {
    if (m_tables)
        showSelection(selectionOfPiece(*m_tables, name));
}

} // namespace trelkin
