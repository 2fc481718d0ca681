#pragma once

#include "core/data/armour_tables.h"
#include "core/setsearch/set_search_query.h"

#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QProgressBar;
class QScrollArea;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace trelkin {

class NarrowingStrip;
class SetResultPanel;
class SetSearchRun;
template <typename Result> class BackgroundWork;
struct SearchInsights;

// The "セット検索" page: the search conditions (which fold away once a search starts, to give the result room,
// and unfold at a click), the result growing while the search runs on threads of its own, five progress bars
// counting down per slot, and "中止" with its confirmation.
class SetSearchPage : public QWidget {
    Q_OBJECT
public:
    explicit SetSearchPage(QWidget* parent = nullptr);
    ~SetSearchPage() override;

    // Fills ComboBox1 to ComboBox3; the tables must outlive the page.
    void fillSkillSelectors(const ArmourTables& tables);

    bool isSearching() const { return m_run != nullptr; }
    // Ends a running search at once, without any message; closing the window does this.
    void stopSearch();
    // The sets found by the last search (so far).
    std::uint64_t foundCount() const;

signals:
    // The five names of a set of the result, head to leg, for the armour composer.
    void composeSet(const std::array<std::string, kArmourSlotCount>& names);

public:
    // Narrows the search to what the player chose and searches again at once.
    void excludePiece(ArmourSlot slot, const std::string& name);
    void pinPiece(ArmourSlot slot, const std::string& name);
    // Puts a skill into the first empty wish selector and searches again; nothing where every one is taken.
    void addWish(const std::string& name);

private:
    void Button1Click();
    void widenSearch(ArmourSlot slot, const std::string& name, bool pinned);
    void clearNarrowing();
    void searchAgain();
    void takeInsights();
    void Button2Click();
    void takeProgress();
    void showProgress();
    void finishSearch();
    void showConditions(bool shown);
    QString conditionsSummary() const;
    SetSearchQuery queryFromInputs() const;
    QGroupBox* makeConditions();
    QWidget* makeRareLimit(QWidget* parent);
    QWidget* makeProgressStrip();

    const ArmourTables* m_tables = nullptr;
    std::unique_ptr<SetSearchRun> m_run;
    std::unique_ptr<BackgroundWork<SearchInsights>> m_insights;
    SetSearchQuery m_searched; // the query of the last search
    // The pieces the player left out or pinned, slot by slot; nothing else of this query is used.
    SetSearchQuery m_narrowed;
    bool m_confirming = false;
    QTimer m_progressTimer;

    QToolButton* m_conditionsToggle = nullptr;
    QScrollArea* m_conditionsArea = nullptr;
    QGroupBox* m_conditions = nullptr;
    std::array<QComboBox*, SetSearchQuery::kWantedSkillCount> m_wanted{};
    QComboBox* m_comboBox5 = nullptr;
    QComboBox* m_comboBox4 = nullptr;
    QCheckBox* m_checkBox1 = nullptr;
    QSpinBox* m_spinEdit3 = nullptr;
    QCheckBox* m_checkBox2 = nullptr;
    QSpinBox* m_spinEdit4 = nullptr;
    QCheckBox* m_maxRare = nullptr;
    QSpinBox* m_maxRareValue = nullptr;
    QCheckBox* m_torsoUp = nullptr;
    QPushButton* m_button1 = nullptr;
    NarrowingStrip* m_narrowing = nullptr;
    SetResultPanel* m_results = nullptr;
    std::array<QProgressBar*, kArmourSlotCount> m_progressBars{};
    QPushButton* m_button2 = nullptr;
};

} // namespace trelkin
