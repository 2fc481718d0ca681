#pragma once

#include "core/data/armour_slot.h"
#include "core/setsearch/ordering_run.h"
#include "core/setsearch/result_text_file.h"
#include "core/setsearch/search_insights.h"
#include "core/setsearch/set_order.h"
#include "core/setsearch/set_result_reader.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QTabWidget;

namespace trelkin {

namespace ui {
class BlockTextView;
class RowTableView;
} // namespace ui
class ResultSaving;
class SetResultTableSource;

// The result of the set search page: its number of sets, the order it is read in (the selector, the reverse box
// and the table's headers choose it), and two views of it, the table of sets and the text of blocks (Memo2), both
// in that order, both copied and saved as shown. A row goes to the armour composer by Enter, a double click or its
// context menu. While a search runs the views grow in loop order; the chosen order applies to the whole result
// once the search has ended, worked out on a thread of its own.
class SetResultPanel : public QWidget {
    Q_OBJECT
public:
    explicit SetResultPanel(QWidget* parent = nullptr);
    ~SetResultPanel() override;

    // A search started: nothing to show yet.
    void clear();
    // While a search runs: its result as far as it has got, in loop order.
    void showGrowing(std::shared_ptr<const SetSearchResult> result);
    // The search ended: the whole result, in the chosen order.
    void showEnded(std::shared_ptr<const SetSearchResult> result);
    // What the ended search tells beyond its sets: the skills that could still be added, the pieces' counts, and
    // where nothing was found what each wish left out would find.
    void showInsights(const SearchInsights& insights);
    // Stops ordering the result in the background; what is shown stays.
    void stopWork();

    std::uint64_t foundCount() const;
    SetOrder order() const { return m_order; }

signals:
    // The five names of a set, head to leg, for the armour composer.
    void composeSet(const std::array<std::string, kArmourSlotCount>& names);
    // The player narrows the search: every piece of the name left out of its slot, or only pieces of it tried there.
    void excludePiece(ArmourSlot slot, const std::string& name);
    void pinPiece(ArmourSlot slot, const std::string& name);
    // The player chose a skill to add to the wishes.
    void addWish(const std::string& name);

private:
    QLayout* makeTitle();
    QLayout* makeOrderRow();
    void makeViews();
    QWidget* makePieceView();
    void showPieceCounts();
    void addNarrowingActions(QMenu& menu, std::uint64_t row);
    QString piecesSets(ArmourSlot slot, std::uint32_t piece) const;
    void chooseOrder(SetOrder order);
    void clickHeader(int column);
    void applyOrder();
    void takeOrdering();
    void showInOrder(ResultInOrder shown);
    void showCount();
    void sendRowToComposer(std::uint64_t row);
    void showTableMenu(const QPoint& at);
    void showMemoMenu(const QPoint& at);
    void offerSaving(ResultTextForm form, std::uint64_t sets, std::uint64_t characters);
    void saveSelectedRows();
    void saveSelectedLines();
    void saveAll(ResultTextForm form);
    void save(ResultTextForm form, BlockLine first, BlockLine last);

    std::shared_ptr<const SetSearchResult> m_result;
    bool m_ended = false; // the search has ended: the views show the chosen order
    SetOrder m_order;
    ResultInOrder m_shown;
    // The last order worked out for the result, kept for reversing it or coming back to it.
    std::shared_ptr<const OrderedResult> m_ordered;
    std::unique_ptr<OrderingRun> m_ordering;
    QTimer m_orderingTimer;
    QPointer<ResultSaving> m_saving;
    std::shared_ptr<SetResultTableSource> m_tableSource;
    std::optional<SearchInsights> m_insights;

    QLabel* m_foundCount = nullptr;
    QPushButton* m_saveButton = nullptr;
    QComboBox* m_orderSelector = nullptr;
    QCheckBox* m_reverse = nullptr;
    QTabWidget* m_views = nullptr;
    ui::RowTableView* m_table = nullptr;
    ui::BlockTextView* m_memo2 = nullptr;
    QListWidget* m_extraSkills = nullptr;
    QComboBox* m_pieceSlot = nullptr;
    QListWidget* m_pieceCounts = nullptr;
    QLabel* m_withoutWishes = nullptr;
};

} // namespace trelkin
