#pragma once

#include "core/data/armour_tables.h"
#include "core/setsearch/result_text_file.h"
#include "core/setsearch/set_search_query.h"

#include <QPointer>
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
class ResultSaving;
class SetSearchResult;
class SetSearchRun;

// The "セット検索" page: the search conditions, the result text growing while the search runs on threads of its
// own, five progress bars counting down per slot, and "中止" with its confirmation. The result can be copied and
// saved to a text file.
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
    // The blocks found by the last search (so far).
    std::uint64_t foundCount() const;

private:
    void Button1Click();
    void Button2Click();
    void takeProgress();
    void showProgress();
    void finishSearch();
    void showFound(std::uint64_t found);
    void offerSaving(std::uint64_t blocks, std::uint64_t characters);
    void saveSelection();
    void saveAll();
    void saveLines(BlockLine first, BlockLine last);
    void showResultMenu(const QPoint& at);
    SetSearchQuery queryFromInputs() const;
    QWidget* makeConditions();
    QWidget* makeProgressStrip();
    QLayout* makeResultTitle();

    const ArmourTables* m_tables = nullptr;
    std::unique_ptr<SetSearchRun> m_run;
    std::shared_ptr<const SetSearchResult> m_result;
    QPointer<ResultSaving> m_saving;
    bool m_confirming = false;
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
    QPushButton* m_saveButton = nullptr;
    ui::BlockTextView* m_memo2 = nullptr;
    std::array<QProgressBar*, kArmourSlotCount> m_progressBars{};
    QPushButton* m_button2 = nullptr;
};

} // namespace trelkin
