#pragma once

#include "core/data/armour_tables.h"
#include "core/data/common_prepare.h"
#include "core/data/common_weapon.h"

#include <QMainWindow>

class QTabWidget;

namespace trelkin {

class ArmourPage;
class CombinationPage;
class ItemListPage;
class LinkStrip;
class ReportPage;
class SetSearchPage;
class WeaponPage;

// The one window: it owns every table for its whole life and the pages that show them. The tables are filled
// once, by RunStartup while the window is created, and never changed afterwards.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // The data files are read from dataDirectory when one is given (tests do), else next to the executable.
    explicit TMainForm(const QString& dataDirectory = QString(), QWidget* parent = nullptr);

    QTabWidget* pages() const { return m_pageControlMain; }
    const TPrepareDatas& prepareDatas() const { return PrepareDatas; }
    CombinationPage* combinationPage() const { return m_combinationPage; }
    const ArmourTables& armourTables() const { return m_armourTables; }
    const weapon::TWeaponDatas& weapons() const { return Weapons; }

protected:
    // Closing is never refused; a running set search ends with the window.
    void closeEvent(QCloseEvent* event) override;

private:
    // Loads the data files and fills the views in a fixed order. The first error ends the sequence and is shown
    // in an error box; the window then opens with what was filled before it.
    void RunStartup();
    void runStartupSteps();
    void buildPages();
    void placeCentred();
    QString dataFile(const QString& fileName) const;

    QString m_dataDirectory;
    TPrepareDatas PrepareDatas;
    ArmourTables m_armourTables; // SkillDatas and the five slot tables
    weapon::TWeaponDatas Weapons;

    LinkStrip* m_panel1 = nullptr;
    QTabWidget* m_pageControlMain = nullptr;
    CombinationPage* m_combinationPage = nullptr;
    ArmourPage* m_armourPage = nullptr;
    SetSearchPage* m_setSearchPage = nullptr;
    WeaponPage* m_weaponPage = nullptr;
    ItemListPage* m_itemListPage = nullptr;
    ReportPage* m_reportPage = nullptr;
};

} // namespace trelkin
