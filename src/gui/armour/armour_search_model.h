#pragma once

#include "core/armour/armour_search.h"

#include <QAbstractTableModel>
#include <vector>

namespace trelkin {

// The rows of the armour search list, with the thirteen captions, widths and alignments, sorted by the
// list's own comparison whenever a header is clicked.
class ArmourSearchModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ArmourSearchModel(QObject* parent = nullptr);

    // Replaces the rows and sorts them under the current sort state.
    void setRows(std::vector<SearchRow> rows);
    // A click on a header: updates the sort state and sorts again, keeping the selection on its rows.
    void ListView2ColumnClick(int column);

    const SearchRow& row(int index) const { return m_rows[size_t(index)]; }
    const SearchSortState& sortState() const { return m_sort; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The width the list gives a column; 0 leaves the view's default.
    static int columnWidth(int column);

private:
    void sortRows();

    std::vector<SearchRow> m_rows;
    SearchSortState m_sort;
};

} // namespace trelkin
