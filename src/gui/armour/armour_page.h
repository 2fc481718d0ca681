#pragma once

#include "core/data/armour_tables.h"

#include <QWidget>
#include <array>
#include <string>

namespace trelkin {

namespace ui {
class FlatButtonPages;
}
class ArmourComposerPanel;
class ArmourDetailGroup;
class ArmourSearchPanel;
class SkillListPanel;
struct ArmourSelection;

// The "防 具" page: armour search, the five-slot composer, the skill list (reached from code only) and the
// set search page that the window hands in, as inner pages, with the armour detail group on the right.
class ArmourPage : public QWidget {
    Q_OBJECT
public:
    explicit ArmourPage(QWidget* setSearchPage, QWidget* parent = nullptr);

    // Start-up: fills the slot selectors, the skill list and the search selectors. The tables must outlive the page.
    void fillFromTables(const ArmourTables& tables);

    ui::FlatButtonPages* innerPages() const { return m_pageControl3; }

    // Puts a set's five names into the composer's selectors, as if chosen there; the inner page shown stays.
    void composeSet(const std::array<std::string, kArmourSlotCount>& names);

private:
    void showSelection(const ArmourSelection& selection);
    void showPiece(const std::string& name);

    const ArmourTables* m_tables = nullptr;
    ui::FlatButtonPages* m_pageControl3;
    ArmourSearchPanel* m_searchPanel;
    ArmourComposerPanel* m_composerPanel;
    SkillListPanel* m_skillListPanel;
    ArmourDetailGroup* m_groupBox5;
};

} // namespace trelkin
