#include "gui/main_form.h"

#include "core/data/data_file_path.h"
#include "core/side/item_list.h"
#include "core/text/error.h"
#include "gui/armour/armour_page.h"
#include "gui/combination/combination_page.h"
#include "gui/setsearch/set_search_page.h"
#include "gui/side/item_list_page.h"
#include "gui/side/link_strip.h"
#include "gui/side/report_page.h"
#include "gui/weapon/weapon_page.h"
#include "gui/widgets/error_box.h"
#include "gui/widgets/fixed_tab_widget.h"
#include "gui/widgets/window_font.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

namespace trelkin {
namespace {

const QString kCaption = QStringLiteral("「Trelkin」(Brakmoor Vastfolio) v0.7");
constexpr QSize kWindowSize(650, 500);
constexpr QSize kMainTabSize(120, 20);

} // namespace

TMainForm::TMainForm(const QString& dataDirectory, QWidget* parent)
    : QMainWindow(parent), m_dataDirectory(dataDirectory) {
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
    m_setSearchPage = new SetSearchPage;
    m_armourPage = new ArmourPage(m_setSearchPage);
    m_weaponPage = new WeaponPage;
    m_itemListPage = new ItemListPage;
    m_reportPage = new ReportPage;
    m_pageControlMain->addTab(m_combinationPage, QStringLiteral("調 合"));
    m_pageControlMain->addTab(m_armourPage, QStringLiteral("防 具"));
    m_pageControlMain->addTab(m_weaponPage, QStringLiteral("武 器"));
    m_pageControlMain->addTab(m_itemListPage, QStringLiteral("素材・アイテム一覧"));
    m_pageControlMain->addTab(m_reportPage, QStringLiteral("情報提供"));

    layout->addWidget(m_panel1);
    layout->addWidget(m_pageControlMain, 1);
    setCentralWidget(central);
}

void TMainForm::closeEvent(QCloseEvent* event) {
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

QString TMainForm::dataFile(const QString& fileName) const {
    return m_dataDirectory.isEmpty() ? DataFilePath(fileName) : dataFilePathIn(m_dataDirectory, fileName);
}

void TMainForm::RunStartup() {
    try {
        runStartupSteps();
    } catch (const Error& error) {
        ui::showErrorBox(this, error.message());
    } catch (const std::bad_alloc&) {
        ui::showErrorBox(this, QStringLiteral("メモリが不足しています"));
    }
}

void TMainForm::runStartupSteps() {
    LoadPrepareData(dataFile(kPrepareFileName), PrepareDatas);
    m_combinationPage->FillMaterialList(PrepareDatas);
    m_combinationPage->BuildRecipeTree(PrepareDatas);
    loadArmourTables(dataFile(kGuardFileName), m_armourTables);
    m_armourPage->fillFromTables(m_armourTables);
    m_setSearchPage->fillSkillSelectors(m_armourTables);
    m_reportPage->fillSelectors(m_armourTables);
    weapon::LoadWeaponData(dataFile(kWeaponFileName), Weapons);
    m_weaponPage->buildTrees(Weapons);
    m_itemListPage->showItems(FillItemList(PrepareDatas, m_armourTables, Weapons));
}

} // namespace trelkin
