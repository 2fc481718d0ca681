#include "gui/widgets/row_table_view.h"

#include "gui/widgets/huge_scroll.h"
#include "gui/widgets/keyboard_use.h"
#include "gui/widgets/limited_copy.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QToolTip>
#include <algorithm>

namespace trelkin::ui {
namespace {

constexpr int kCellMargin = 3;
constexpr int kRowPadding = 4;
constexpr int kWheelRows = 3;
constexpr std::size_t kCachedRows = 128;
constexpr int kLeastRows = 1;
// The selection's size is judged from this many of its rows before a copy builds its text.
constexpr std::uint64_t kSampledRows = 16;

bool isReturn(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) && modifiers == Qt::NoModifier;
}

} // namespace

RowTableView::RowTableView(const QStringList& columns, QWidget* parent)
    : QAbstractScrollArea(parent), m_header(new QHeaderView(Qt::Horizontal, this)),
      m_columns(new QStandardItemModel(0, int(columns.size()), this)), m_rightAligned(columns.size(), false),
      m_cache(kCachedRows) {
    m_columns->setHorizontalHeaderLabels(columns);
    m_header->setModel(m_columns);
    m_header->setSectionsClickable(true);
    m_header->setHighlightSections(false);
    m_header->setSectionResizeMode(QHeaderView::Interactive);
    m_header->setFocusPolicy(Qt::NoFocus); // the keyboard orders through the page's selector
    connect(m_header, &QHeaderView::sectionClicked, this, &RowTableView::headerClicked);
    connect(m_header, &QHeaderView::sectionResized, this, [this] {
        updateScrollBars();
        viewport()->update();
    });
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setViewportMargins(0, m_header->sizeHint().height(), 0, 0);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        const std::uint64_t top = hugeBarItem(value, m_rowCount);
        if (top != m_top)
            scrollTo(top);
    });
}

void RowTableView::setSource(std::shared_ptr<RowSource> source) {
    m_source = std::move(source);
    m_cache.clear();
    m_rowCount = 0;
    m_top = m_anchor = m_current = 0;
    m_hasCurrent = false;
    updateScrollBars();
    viewport()->update();
}

void RowTableView::setRowCount(std::uint64_t count) {
    m_rowCount = count;
    updateScrollBars();
    viewport()->update();
}

void RowTableView::setColumnWidths(const std::vector<int>& widths) {
    for (std::size_t column = 0; column < widths.size(); ++column)
        m_header->resizeSection(int(column), widths[column]);
}

void RowTableView::setRightAligned(const std::vector<int>& columns) {
    for (const int column : columns)
        m_rightAligned[std::size_t(column)] = true;
}

void RowTableView::setSortIndicator(std::optional<int> column, Qt::SortOrder order) {
    m_header->setSortIndicatorShown(column.has_value());
    m_header->setSortIndicator(column.value_or(-1), order);
    if (!column)
        return;
    const int left = m_header->sectionPosition(*column);
    const int right = left + m_header->sectionSize(*column);
    QScrollBar* bar = horizontalScrollBar();
    if (left < bar->value())
        bar->setValue(left);
    else if (right > bar->value() + viewport()->width())
        bar->setValue(right - viewport()->width());
}

std::optional<std::uint64_t> RowTableView::currentRow() const {
    return m_hasCurrent ? std::optional<std::uint64_t>(m_current) : std::nullopt;
}

void RowTableView::setCurrentRow(std::uint64_t row) {
    if (row < m_rowCount)
        placeCurrent(row, false);
}

std::optional<std::pair<std::uint64_t, std::uint64_t>> RowTableView::selectedRows() const {
    if (!m_hasCurrent)
        return std::nullopt;
    return std::pair{std::min(m_anchor, m_current), std::max(m_anchor, m_current)};
}

void RowTableView::selectAll() {
    if (m_rowCount == 0)
        return;
    m_anchor = 0;
    m_current = m_rowCount - 1;
    m_hasCurrent = true;
    viewport()->update();
}

int RowTableView::rowHeight() const {
    return fontMetrics().height() + kRowPadding;
}

std::uint64_t RowTableView::visibleRows() const {
    return std::uint64_t(std::max(1, viewport()->height() / rowHeight()));
}

const QStringList& RowTableView::cellsOf(std::uint64_t row) const {
    return m_cache.get(row, [&] { return m_source->cells(row); });
}

void RowTableView::updateScrollBars() {
    const std::uint64_t visible = visibleRows();
    const std::uint64_t tops = m_rowCount > visible ? m_rowCount - visible + 1 : 1;
    const QSignalBlocker quiet(verticalScrollBar());
    verticalScrollBar()->setRange(0, hugeBarMaximum(tops));
    verticalScrollBar()->setPageStep(tops == std::uint64_t(hugeBarMaximum(tops)) + 1 ? int(visible) : 1);
    verticalScrollBar()->setValue(hugeBarValue(std::min(m_top, tops - 1), tops));
    horizontalScrollBar()->setRange(0, std::max(0, m_header->length() - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void RowTableView::scrollTo(std::uint64_t top) {
    const std::uint64_t visible = visibleRows();
    m_top = m_rowCount > visible ? std::min(top, m_rowCount - visible) : 0;
    updateScrollBars();
    viewport()->update();
}

void RowTableView::scrollContentsBy(int, int) {
    m_header->setOffset(horizontalScrollBar()->value());
    viewport()->update();
}

void RowTableView::placeHeader() {
    const QRect area = viewport()->geometry();
    const int height = m_header->sizeHint().height();
    m_header->setGeometry(area.left(), area.top() - height, area.width(), height);
}

void RowTableView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    placeHeader();
    scrollTo(m_top);
}

QRect RowTableView::cellRect(int column, int y) const {
    return QRect(m_header->sectionViewportPosition(column) + kCellMargin, y,
                 m_header->sectionSize(column) - 2 * kCellMargin, rowHeight());
}

bool RowTableView::isSelected(std::uint64_t row) const {
    const auto selected = selectedRows();
    return selected && selected->first <= row && row <= selected->second;
}

void RowTableView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const int height = rowHeight();
    const QColor grid = palette().color(QPalette::Mid);
    for (std::uint64_t row = m_top; m_source && row < m_rowCount; ++row) {
        const int y = int(row - m_top) * height;
        if (y >= viewport()->height())
            break;
        const QRect line(0, y, viewport()->width(), height);
        const bool selected = isSelected(row);
        if (selected)
            painter.fillRect(line, palette().highlight());
        painter.setPen(selected ? palette().highlightedText().color() : palette().text().color());
        const QStringList& cells = cellsOf(row);
        for (int column = 0; column < m_header->count() && column < cells.size(); ++column) {
            const QRect cell = cellRect(column, y);
            const Qt::Alignment alignment = m_rightAligned[std::size_t(column)] ? Qt::AlignRight : Qt::AlignLeft;
            painter.drawText(cell, alignment | Qt::AlignVCenter,
                             fontMetrics().elidedText(cells[column], Qt::ElideRight, cell.width()));
        }
        if (row == m_current && m_hasCurrent && hasFocus())
            drawFocusMark(painter, *this, line);
    }
    painter.setPen(grid);
    for (int column = 0; column < m_header->count(); ++column) {
        const int x = m_header->sectionViewportPosition(column) + m_header->sectionSize(column) - 1;
        painter.drawLine(x, 0, x, viewport()->height());
    }
}

QSize RowTableView::minimumSizeHint() const {
    const QSize least = QAbstractScrollArea::minimumSizeHint();
    return {least.width(), m_header->sizeHint().height() + kLeastRows * rowHeight() + 2 * frameWidth()};
}

std::optional<std::uint64_t> RowTableView::rowAt(const QPoint& point) const {
    if (point.y() < 0)
        return std::nullopt;
    const std::uint64_t row = m_top + std::uint64_t(point.y() / rowHeight());
    return row < m_rowCount ? std::optional<std::uint64_t>(row) : std::nullopt;
}

void RowTableView::placeCurrent(std::uint64_t row, bool extend) {
    if (!extend || !m_hasCurrent)
        m_anchor = row;
    m_current = row;
    m_hasCurrent = true;
    const std::uint64_t visible = visibleRows();
    if (row < m_top)
        scrollTo(row);
    else if (row >= m_top + visible)
        scrollTo(row - visible + 1);
    viewport()->update();
}

void RowTableView::moveCurrent(std::int64_t by, bool extend) {
    if (m_rowCount == 0)
        return;
    const std::uint64_t from = m_hasCurrent ? m_current : m_top;
    const std::uint64_t last = m_rowCount - 1;
    std::uint64_t to = from;
    if (by < 0)
        to = std::uint64_t(-by) > from ? 0 : from - std::uint64_t(-by);
    else
        to = std::uint64_t(by) > last - from ? last : from + std::uint64_t(by);
    placeCurrent(to, extend);
}

void RowTableView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)
        return;
    if (const std::optional<std::uint64_t> row = rowAt(event->position().toPoint()))
        if (event->button() == Qt::LeftButton || !isSelected(*row))
            placeCurrent(*row, event->button() == Qt::LeftButton && event->modifiers().testFlag(Qt::ShiftModifier));
}

void RowTableView::mouseMoveEvent(QMouseEvent* event) {
    if (!event->buttons().testFlag(Qt::LeftButton) || m_rowCount == 0)
        return;
    const QPoint at(0, std::clamp(event->position().toPoint().y(), 0, viewport()->height() - 1));
    if (const std::optional<std::uint64_t> row = rowAt(at))
        placeCurrent(*row, true);
}

void RowTableView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (const std::optional<std::uint64_t> row = rowAt(event->position().toPoint())) {
        placeCurrent(*row, false);
        emit activated(*row);
    }
}

void RowTableView::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / QWheelEvent::DefaultDeltasPerStep;
    const std::int64_t rows = -std::int64_t(steps) * kWheelRows;
    scrollTo(rows < 0 && std::uint64_t(-rows) > m_top ? 0 : m_top + std::uint64_t(rows));
}

void RowTableView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::SelectAll))
        return selectAll();
    if (event->matches(QKeySequence::Copy))
        return copy();
    if (isReturn(*event)) {
        if (m_hasCurrent)
            emit activated(m_current);
        return;
    }
    const bool extend = event->modifiers().testFlag(Qt::ShiftModifier);
    const std::int64_t page = std::int64_t(visibleRows());
    switch (event->key()) {
    case Qt::Key_Down:
        return moveCurrent(1, extend);
    case Qt::Key_Up:
        return moveCurrent(-1, extend);
    case Qt::Key_PageDown:
        return moveCurrent(page, extend);
    case Qt::Key_PageUp:
        return moveCurrent(-page, extend);
    case Qt::Key_Home:
        return m_rowCount > 0 ? placeCurrent(0, extend) : void();
    case Qt::Key_End:
        return m_rowCount > 0 ? placeCurrent(m_rowCount - 1, extend) : void();
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

bool RowTableView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (!showCellTip(help->pos()))
            QToolTip::hideText();
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

// The whole text of a cell cut short under the pointer.
bool RowTableView::showCellTip(const QPoint& at) {
    const std::optional<std::uint64_t> row = rowAt(at);
    const int column = m_header->logicalIndexAt(at.x());
    if (!row || column < 0)
        return false;
    const QStringList& cells = cellsOf(*row);
    if (column >= cells.size() || fontMetrics().horizontalAdvance(cells[column]) <= cellRect(column, 0).width())
        return false;
    QToolTip::showText(viewport()->mapToGlobal(at), cells[column], viewport());
    return true;
}

QString RowTableView::selectedText() const {
    const auto selected = selectedRows();
    if (!selected || !m_source)
        return {};
    QString text;
    m_source->readLines(selected->first, selected->second, [&](const QString& line) {
        text += line;
        text += QLatin1Char('\n');
        return true;
    });
    return text;
}

std::uint64_t RowTableView::estimatedSelectedCharacters() const {
    const auto selected = selectedRows();
    if (!selected || !m_source)
        return 0;
    const std::uint64_t rows = selected->second - selected->first + 1;
    std::uint64_t sampled = 0;
    std::uint64_t characters = 0;
    m_source->readLines(selected->first, selected->first + std::min(rows, kSampledRows) - 1, [&](const QString& line) {
        characters += std::uint64_t(line.size()) + 1;
        return ++sampled < kSampledRows;
    });
    return sampled == 0 ? 0 : characters / sampled * rows;
}

void RowTableView::copy() {
    const auto selected = selectedRows();
    if (!selected)
        return;
    const std::uint64_t estimate = estimatedSelectedCharacters();
    if (!copyWithinLimit(estimate, [this] { return selectedText(); }))
        emit copyTooLarge(selected->second - selected->first + 1, estimate);
}

} // namespace trelkin::ui
