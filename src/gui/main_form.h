#pragma once

#include "core/data/data_tables.h"
#include "core/weapon/weapon_tree.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QTabWidget;

namespace trelkin {

namespace ui {
class LazyPage;
}
class ArmourPage;
class DataFileLoading;
class CombinationPage;
class ItemListPage;
class LinkStrip;
class ReportPage;
class SetSearchPage;
class WeaponPage;

// The one window: it owns every table for its whole life and the pages that show them. The tables are filled
// once, by RunStartup while the window is created, and never changed afterwards. The data files are read on
// threads of their own while the window is built, and only the first page is built and filled at once; every
// other page is built, and filled as far as start-up got, the first time it is shown.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // The data files are read from dataDirectory when one is given (tests do), else next to the executable.
    explicit TMainForm(const QString& dataDirectory = QString(), QWidget* parent = nullptr);
    ~TMainForm() override;

    // Builds and fills every page now, as showing each would (tests look into all of them).
    void buildEveryPage();

    QTabWidget* pages() const { return m_pageControlMain; }
    const DataTables& tables() const { return m_tables; }

protected:
    // Closing is never refused; a running set search ends with the window.
    void closeEvent(QCloseEvent* event) override;

private:
    // Loads the data files and fills the views in a fixed order. The first error ends the sequence and is shown
    // in an error box; the window then opens with what was filled before it.
    void RunStartup();
    void runStartupSteps();
    // Runs the work when the page is built; running out of memory there is shown like a start-up failure.
    void whenShown(ui::LazyPage* page, std::function<void()> work);
    void buildPages();
    void placeCentred();

    std::unique_ptr<DataFileLoading> m_loading;
    DataTables m_tables; // PrepareDatas, SkillDatas and the five slot tables, Weapons
    std::optional<std::array<WeaponTree, kWeaponClassCount>> m_weaponTrees;
    std::future<std::vector<std::string>> m_itemNames; // made off the window's thread once the tables are read

    LinkStrip* m_panel1 = nullptr;
    QTabWidget* m_pageControlMain = nullptr;
    CombinationPage* m_combinationPage = nullptr;
    ui::LazyPage* m_armourTab = nullptr;
    ui::LazyPage* m_weaponTab = nullptr;
    ui::LazyPage* m_itemTab = nullptr;
    ui::LazyPage* m_reportTab = nullptr;
    // Each null until its page is built.
    ArmourPage* m_armourPage = nullptr;
    SetSearchPage* m_setSearchPage = nullptr;
    WeaponPage* m_weaponPage = nullptr;
    ItemListPage* m_itemListPage = nullptr;
    ReportPage* m_reportPage = nullptr;
};

} // namespace trelkin
