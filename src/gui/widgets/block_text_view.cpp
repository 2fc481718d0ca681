#include "gui/widgets/block_text_view.h"

#include "gui/widgets/huge_scroll.h"
#include "gui/widgets/limited_copy.h"
#include "gui/widgets/window_font.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <limits>

namespace trelkin::ui {
namespace {

constexpr int kTextMargin = 2;
constexpr int kWheelLines = 3;
constexpr std::size_t kCachedBlocks = 64;
// The selection's size is judged from this many of its blocks before a copy builds its text.
constexpr std::uint64_t kSampledBlocks = 16;

} // namespace

BlockTextView::BlockTextView(QWidget* parent) : QAbstractScrollArea(parent), m_cache(kCachedBlocks) {
    setFont(fixedPitchFont());
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setCursor(Qt::IBeamCursor);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (hugeBarItem(value, m_blockCount) != m_top.block)
            scrollTo({hugeBarItem(value, m_blockCount), 0});
    });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, viewport(), qOverload<>(&QWidget::update));
}

void BlockTextView::setSource(std::shared_ptr<BlockSource> source) {
    m_source = std::move(source);
    m_cache.clear();
    m_blockCount = 0;
    m_top = m_anchor = m_caret = {};
    m_hasSelection = false;
    m_widestLine = 0;
    updateScrollBars();
    viewport()->update();
}

void BlockTextView::setBlockCount(std::uint64_t count) {
    m_blockCount = count;
    updateScrollBars();
    viewport()->update();
}

int BlockTextView::lineHeight() const {
    return fontMetrics().height();
}

int BlockTextView::visibleLines() const {
    return std::max(1, viewport()->height() / lineHeight());
}

const QStringList& BlockTextView::linesOf(std::uint64_t block) const {
    static const QStringList none;
    if (!m_source || block >= m_blockCount)
        return none;
    return m_cache.get(block, [&] { return m_source->lines(block); });
}

BlockLine BlockTextView::lastPosition() const {
    if (m_blockCount == 0)
        return {};
    return {m_blockCount - 1, std::max(0, int(linesOf(m_blockCount - 1).size()) - 1)};
}

BlockLine BlockTextView::moved(BlockLine from, long long lines) const {
    if (m_blockCount == 0)
        return {};
    while (lines > 0) {
        const int inBlock = int(linesOf(from.block).size());
        if (from.line + 1 < inBlock) {
            ++from.line;
        } else if (from.block + 1 < m_blockCount) {
            from = {from.block + 1, 0};
        } else {
            break;
        }
        --lines;
    }
    for (; lines < 0; ++lines) {
        if (from.line > 0)
            --from.line;
        else if (from.block > 0)
            from = {from.block - 1, std::max(0, int(linesOf(from.block - 1).size()) - 1)};
        else
            break;
    }
    return from;
}

BlockLine BlockTextView::positionAt(int y) const {
    return moved(m_top, std::max(0, y / lineHeight()));
}

bool BlockTextView::isSelected(BlockLine position) const {
    if (!m_hasSelection)
        return false;
    return std::min(m_anchor, m_caret) <= position && position <= std::max(m_anchor, m_caret);
}

void BlockTextView::scrollTo(BlockLine top) {
    m_top = top;
    const QSignalBlocker quiet(verticalScrollBar());
    verticalScrollBar()->setValue(hugeBarValue(top.block, m_blockCount));
    viewport()->update();
}

void BlockTextView::updateScrollBars() {
    verticalScrollBar()->setRange(0, hugeBarMaximum(m_blockCount));
    verticalScrollBar()->setPageStep(1);
    horizontalScrollBar()->setRange(0, std::max(0, m_widestLine - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void BlockTextView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const int height = lineHeight();
    const int left = kTextMargin - horizontalScrollBar()->value();
    BlockLine position = m_top;
    QStringList lines = linesOf(position.block);
    for (int y = 0; y < viewport()->height() && position.block < m_blockCount; y += height) {
        const QString text = position.line < lines.size() ? lines.at(position.line) : QString();
        const QRect row(0, y, viewport()->width(), height);
        const bool selected = isSelected(position);
        if (selected)
            painter.fillRect(row, palette().highlight());
        painter.setPen(selected ? palette().highlightedText().color() : palette().text().color());
        painter.drawText(QRect(left, y, std::numeric_limits<int>::max() / 2, height), Qt::AlignLeft | Qt::AlignVCenter,
                         text);
        m_widestLine = std::max(m_widestLine, fontMetrics().horizontalAdvance(text) + 2 * kTextMargin);
        if (position.line + 1 < lines.size()) {
            ++position.line;
        } else {
            position = {position.block + 1, 0};
            lines = linesOf(position.block);
        }
    }
    horizontalScrollBar()->setRange(0, std::max(0, m_widestLine - viewport()->width()));
}

void BlockTextView::moveCaret(BlockLine caret, bool extend) {
    if (!extend || !m_hasSelection)
        m_anchor = caret;
    m_caret = caret;
    m_hasSelection = m_blockCount > 0;
    if (m_caret < m_top)
        scrollTo(m_caret);
    else if (moved(m_top, visibleLines() - 1) < m_caret)
        scrollTo(moved(m_caret, -(visibleLines() - 1)));
    viewport()->update();
}

void BlockTextView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_blockCount > 0)
        moveCaret(positionAt(event->position().toPoint().y()), event->modifiers().testFlag(Qt::ShiftModifier));
}

void BlockTextView::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons().testFlag(Qt::LeftButton) && m_blockCount > 0)
        moveCaret(positionAt(std::clamp(event->position().toPoint().y(), 0, viewport()->height() - 1)), true);
}

void BlockTextView::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / QWheelEvent::DefaultDeltasPerStep;
    scrollTo(moved(m_top, -static_cast<long long>(steps) * kWheelLines));
}

void BlockTextView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::SelectAll))
        return selectAll();
    if (event->matches(QKeySequence::Copy))
        return copy();
    const bool extend = event->modifiers().testFlag(Qt::ShiftModifier);
    const long long page = visibleLines();
    switch (event->key()) {
    case Qt::Key_Down:
        return moveCaret(moved(m_caret, 1), extend);
    case Qt::Key_Up:
        return moveCaret(moved(m_caret, -1), extend);
    case Qt::Key_PageDown:
        return moveCaret(moved(m_caret, page), extend);
    case Qt::Key_PageUp:
        return moveCaret(moved(m_caret, -page), extend);
    case Qt::Key_Home:
        return moveCaret({}, extend);
    case Qt::Key_End:
        return moveCaret(lastPosition(), extend);
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void BlockTextView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void BlockTextView::selectAll() {
    if (m_blockCount == 0)
        return;
    m_anchor = {};
    m_caret = lastPosition();
    m_hasSelection = true;
    viewport()->update();
}

std::pair<BlockLine, BlockLine> BlockTextView::selection() const {
    return {std::min(m_anchor, m_caret), std::max(m_anchor, m_caret)};
}

std::uint64_t BlockTextView::selectedBlockCount() const {
    return m_hasSelection ? selection().second.block - selection().first.block + 1 : 0;
}

QString BlockTextView::selectedText() const {
    if (!m_hasSelection || !m_source)
        return {};
    const auto [first, last] = selection();
    QString text;
    std::uint64_t block = first.block;
    m_source->read(first.block, last.block, [&](const QStringList& lines) {
        const int from = block == first.block ? first.line : 0;
        const int to = block == last.block ? last.line : int(lines.size()) - 1;
        for (int line = from; line <= to && line < lines.size(); ++line) {
            text += lines.at(line);
            text += QLatin1Char('\n');
        }
        ++block;
        return true;
    });
    return text;
}

std::uint64_t BlockTextView::estimatedSelectedCharacters() const {
    const std::uint64_t blocks = selectedBlockCount();
    if (blocks == 0 || !m_source)
        return 0;
    const std::uint64_t first = selection().first.block;
    std::uint64_t sampled = 0;
    std::uint64_t characters = 0;
    m_source->read(first, first + std::min(blocks, kSampledBlocks) - 1, [&](const QStringList& lines) {
        for (const QString& line : lines)
            characters += std::uint64_t(line.size()) + 1;
        return ++sampled < kSampledBlocks;
    });
    return sampled == 0 ? 0 : characters / sampled * blocks;
}

void BlockTextView::copy() {
    if (!m_hasSelection)
        return;
    const std::uint64_t estimate = estimatedSelectedCharacters();
    if (!copyWithinLimit(estimate, [this] { return selectedText(); }))
        emit copyTooLarge(selectedBlockCount(), estimate);
}

} // namespace trelkin::ui
