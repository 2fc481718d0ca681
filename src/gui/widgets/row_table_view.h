#pragma once

#include "gui/widgets/recent_values.h"

#include <QAbstractScrollArea>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QHeaderView;
class QStandardItemModel;

namespace trelkin::ui {

// Where a RowTableView's rows come from.
class RowSource {
public:
    using Visit = std::function<bool(const QString& line)>;

    virtual ~RowSource() = default;
    // The cells of one row, found without reading the rows before it. A source may keep its place between reads.
    virtual QStringList cells(std::uint64_t row) = 0;
    // Hands the rows first, first + 1, ... last to `visit` as copied text, one line each without its line break,
    // until it returns false.
    virtual void readLines(std::uint64_t first, std::uint64_t last, const Visit& visit) = 0;
};

// A read-only table of any number of rows, made only when shown or copied: billions of rows cost no more than the
// ones on screen, and the vertical bar reaches every row however many there are. One row is current; Shift
// extends the selection from it. The header's sections can be clicked (the owner decides what a click orders)
// and show the order's indicator. Enter, Return or a double click activates the current row; Ctrl+C copies the
// selected rows' lines unless they would pass the copy limit; a cell cut short shows its whole text as a tooltip.
class RowTableView : public QAbstractScrollArea {
    Q_OBJECT
public:
    RowTableView(const QStringList& columns, QWidget* parent = nullptr);

    // A new table of no rows yet.
    void setSource(std::shared_ptr<RowSource> source);
    // The number of rows grew; the view keeps its position and selection.
    void setRowCount(std::uint64_t count);
    std::uint64_t rowCount() const { return m_rowCount; }

    QHeaderView* header() const { return m_header; }
    void setColumnWidths(const std::vector<int>& widths);
    // Right-aligned columns (numbers).
    void setRightAligned(const std::vector<int>& columns);
    // The column whose header shows the order's direction, or none; the column is scrolled into view.
    void setSortIndicator(std::optional<int> column, Qt::SortOrder order);

    std::optional<std::uint64_t> currentRow() const;
    void setCurrentRow(std::uint64_t row);
    // The first and the last selected row, where rows are selected.
    std::optional<std::pair<std::uint64_t, std::uint64_t>> selectedRows() const;
    void selectAll();
    QString selectedText() const;
    // Copies the selected rows; where they would pass the copy limit, announces copyTooLarge instead.
    void copy();
    // The row at a point of the viewport, if there is one.
    std::optional<std::uint64_t> rowAt(const QPoint& point) const;

    // Room for the header and a row at the least.
    QSize minimumSizeHint() const override;

signals:
    void activated(std::uint64_t row);
    void headerClicked(int column);
    void copyTooLarge(std::uint64_t rows, std::uint64_t estimatedCharacters);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    int rowHeight() const;
    std::uint64_t visibleRows() const;
    const QStringList& cellsOf(std::uint64_t row) const;
    void scrollTo(std::uint64_t top);
    void moveCurrent(std::int64_t by, bool extend);
    void placeCurrent(std::uint64_t row, bool extend);
    void updateScrollBars();
    void placeHeader();
    QRect cellRect(int column, int y) const;
    bool isSelected(std::uint64_t row) const;
    bool showCellTip(const QPoint& at);
    std::uint64_t estimatedSelectedCharacters() const;

    QHeaderView* m_header;
    QStandardItemModel* m_columns;
    std::vector<bool> m_rightAligned;
    std::shared_ptr<RowSource> m_source;
    std::uint64_t m_rowCount = 0;
    std::uint64_t m_top = 0;
    std::uint64_t m_anchor = 0;
    std::uint64_t m_current = 0;
    bool m_hasCurrent = false;
    // The cells of the rows shown last, so that painting asks the source only for new rows.
    mutable RecentValues<QStringList> m_cache;
};

} // namespace trelkin::ui
