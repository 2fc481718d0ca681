#pragma once

#include "core/data/armour_tables.h"
#include "core/setsearch/found_set_store.h"
#include "core/setsearch/set_search.h"

#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace trelkin {

namespace ui {
class BlockTextView;
}

// The "セット検索" page: the search conditions, the result text growing while the search runs on a thread of its
// own, five progress bars counting down per slot, and "中止" with its confirmation.
class SetSearchPage : public QWidget {
    Q_OBJECT
public:
    explicit SetSearchPage(QWidget* parent = nullptr);
    ~SetSearchPage() override;

    // Fills ComboBox1 to ComboBox3; the tables must outlive the page.
    void fillSkillSelectors(const ArmourTables& tables);

    bool isSearching() const { return m_running != nullptr; }
    // Ends a running search at once, without any message; closing the window does this.
    void stopSearch();
    const FoundSetStore& foundSets() const { return m_found; }

private:
    struct RunningSearch;

    void Button1Click();
    void Button2Click();
    void takeProgress();
    void finishSearch();
    SetSearchQuery queryFromInputs() const;
    QWidget* makeConditions();
    QWidget* makeProgressStrip();

    const ArmourTables* m_tables = nullptr;
    std::unique_ptr<RunningSearch> m_running;
    FoundSetStore m_found;
    QTimer m_progressTimer;

    std::array<QComboBox*, SetSearchQuery::kWantedSkillCount> m_wanted{};
    QComboBox* m_comboBox5 = nullptr;
    QComboBox* m_comboBox4 = nullptr;
    QCheckBox* m_checkBox1 = nullptr;
    QSpinBox* m_spinEdit3 = nullptr;
    QCheckBox* m_checkBox2 = nullptr;
    QSpinBox* m_spinEdit4 = nullptr;
    QPushButton* m_button1 = nullptr;
    QLabel* m_foundCount = nullptr;
    ui::BlockTextView* m_memo2 = nullptr;
    std::array<QProgressBar*, kArmourSlotCount> m_progressBars{};
    QPushButton* m_button2 = nullptr;
};

} // namespace trelkin
