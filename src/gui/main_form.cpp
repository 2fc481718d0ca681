#include "gui/main_form.h"

#include "core/data/data_file_loading.h"
#include "core/side/item_list.h"
#include "core/text/error.h"
#include "core/weapon/weapon_relations.h"
#include "gui/armour/armour_page.h"
#include "gui/combination/combination_page.h"
#include "gui/setsearch/set_search_page.h"
#include "gui/side/item_list_page.h"
#include "gui/side/link_strip.h"
#include "gui/side/report_page.h"
#include "gui/weapon/weapon_page.h"
#include "gui/widgets/dialogs.h"
#include "gui/widgets/fixed_tab_widget.h"
#include "gui/widgets/lazy_page.h"
#include "gui/widgets/window_font.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

namespace trelkin {
namespace {

const QString kCaption = QStringLiteral("「Trelkin」(Brakmoor Vastfolio) v0.7");
const QString kOutOfMemory = QStringLiteral("メモリが不足しています");
constexpr QSize kWindowSize(650, 500);
constexpr QSize kMainTabSize(120, 20);

} // namespace

TMainForm::TMainForm(const QString& dataDirectory, QWidget* parent)
    : QMainWindow(parent), m_loading(std::make_unique<DataFileLoading>(dataDirectory)) {
    setWindowTitle(kCaption);
    setFont(ui::windowFont());
    setMinimumSize(kWindowSize);
    resize(kWindowSize);
    buildPages();
    placeCentred();
    RunStartup();
}

void TMainForm::buildPages() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_panel1 = new LinkStrip(central);
    m_pageControlMain = new ui::FixedTabWidget(kMainTabSize, QTabWidget::South, central);
    m_pageControlMain->setObjectName(QStringLiteral("PageControlMain"));
    m_combinationPage = new CombinationPage;
    m_armourTab = new ui::LazyPage([this] {
        m_setSearchPage = new SetSearchPage;
        m_armourPage = new ArmourPage(m_setSearchPage);
        connect(m_setSearchPage, &SetSearchPage::composeSet, m_armourPage, &ArmourPage::composeSet);
        return m_armourPage;
    });
    m_weaponTab = new ui::LazyPage([this] { return m_weaponPage = new WeaponPage; });
    m_itemTab = new ui::LazyPage([this] { return m_itemListPage = new ItemListPage; });
    m_reportTab = new ui::LazyPage([this] { return m_reportPage = new ReportPage; });
    m_pageControlMain->addTab(m_combinationPage, QStringLiteral("調 合"));
    m_pageControlMain->addTab(m_armourTab, QStringLiteral("防 具"));
    m_pageControlMain->addTab(m_weaponTab, QStringLiteral("武 器"));
    m_pageControlMain->addTab(m_itemTab, QStringLiteral("素材・アイテム一覧"));
    m_pageControlMain->addTab(m_reportTab, QStringLiteral("情報提供"));

    layout->addWidget(m_panel1);
    layout->addWidget(m_pageControlMain, 1);
    setCentralWidget(central);
    // Tab runs top to bottom and round again: from the tab bar along the bottom up to the link strip, then down
    // through the page.
    QWidget::setTabOrder(m_pageControlMain->tabBar(), m_panel1);
}

// The pages are destroyed after the tables, so no background work may outlive this body.
TMainForm::~TMainForm() {
    if (m_setSearchPage)
        m_setSearchPage->stopSearch();
}

void TMainForm::buildEveryPage() {
    m_combinationPage->buildEveryPage();
    for (ui::LazyPage* page : {m_armourTab, m_weaponTab, m_itemTab, m_reportTab})
        page->content();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (m_setSearchPage)
        m_setSearchPage->stopSearch();
    QMainWindow::closeEvent(event);
}

void TMainForm::placeCentred() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TMainForm::RunStartup() {
    try {
        runStartupSteps();
    } catch (const Error& error) {
        ui::showErrorBox(this, error.message());
    } catch (const std::bad_alloc&) {
        ui::showErrorBox(this, kOutOfMemory);
    }
    m_loading.reset();
}

void TMainForm::whenShown(ui::LazyPage* page, std::function<void()> work) {
    page->whenBuilt([this, work = std::move(work)] {
        try {
            work();
        } catch (const std::bad_alloc&) {
            ui::showErrorBox(this, kOutOfMemory);
        }
    });
}

// The steps in their order; a step whose view lies on a page not built yet leaves that view's filling to the page.
void TMainForm::runStartupSteps() {
    m_loading->takePrepare(m_tables);
    m_combinationPage->FillMaterialList(m_tables.PrepareDatas);
    m_combinationPage->BuildRecipeTree(m_tables.PrepareDatas);
    m_loading->takeArmour(m_tables);
    whenShown(m_armourTab, [this] {
        m_armourPage->fillFromTables(m_tables.Armour);
        m_setSearchPage->fillSkillSelectors(m_tables.Armour);
    });
    whenShown(m_reportTab, [this] { m_reportPage->fillSelectors(m_tables.Armour); });
    m_loading->takeWeapons(m_tables);
    // The trees are built here, so that a tree too large ends start-up at this step.
    m_weaponTrees = BuildWeaponTrees(WeaponRelations(m_tables.Weapons));
    whenShown(m_weaponTab, [this] { m_weaponPage->showTrees(m_tables.Weapons, *m_weaponTrees); });
    m_itemNames = std::async([this] { return FillItemList(m_tables); });
    whenShown(m_itemTab, [this] { m_itemListPage->showItems(m_itemNames.get()); });
}

} // namespace trelkin
