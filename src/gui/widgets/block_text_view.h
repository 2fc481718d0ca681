#pragma once

#include "core/text/block_line.h"
#include "gui/widgets/recent_values.h"

#include <QAbstractScrollArea>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace trelkin::ui {

// Where a BlockTextView's blocks come from.
class BlockSource {
public:
    using Visit = std::function<bool(const QStringList& lines)>;

    virtual ~BlockSource() = default;
    // The lines of one block, found without reading the blocks before it. A source may keep its place between
    // reads, so reading is not const.
    virtual QStringList lines(std::uint64_t block) = 0;
    // Hands the lines of the blocks first, first + 1, ... last, in order, to `visit` until it returns false.
    virtual void read(std::uint64_t first, std::uint64_t last, const Visit& visit) = 0;
};

// A read-only text of any number of blocks of lines, made only when shown or copied: billions of blocks cost no
// more than the ones on screen. The vertical bar reaches every block however many there are. Lines are selected
// with the mouse, the keyboard or Ctrl+A; Ctrl+C copies exactly the selected lines, each ending in a line break,
// unless they would pass the copy limit.
class BlockTextView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit BlockTextView(QWidget* parent = nullptr);

    // A new text of no blocks yet.
    void setSource(std::shared_ptr<BlockSource> source);
    // The number of blocks grew; the view keeps its position and selection.
    void setBlockCount(std::uint64_t count);
    std::uint64_t blockCount() const { return m_blockCount; }

    void selectAll();
    bool hasSelection() const { return m_hasSelection; }
    // The first and the last selected line.
    std::pair<BlockLine, BlockLine> selection() const;
    std::uint64_t selectedBlockCount() const;
    QString selectedText() const;
    // Copies the selection; where it would pass the copy limit, announces copyTooLarge instead.
    void copy();

    BlockLine topPosition() const { return m_top; }
    BlockLine caretPosition() const { return m_caret; }

signals:
    void copyTooLarge(std::uint64_t blocks, std::uint64_t estimatedCharacters);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int lineHeight() const;
    int visibleLines() const;
    const QStringList& linesOf(std::uint64_t block) const;
    BlockLine moved(BlockLine from, long long lines) const;
    BlockLine lastPosition() const;
    BlockLine positionAt(int y) const;
    bool isSelected(BlockLine position) const;
    void scrollTo(BlockLine top);
    void moveCaret(BlockLine caret, bool extend);
    void updateScrollBars();
    std::uint64_t estimatedSelectedCharacters() const;

    std::shared_ptr<BlockSource> m_source;
    std::uint64_t m_blockCount = 0;
    BlockLine m_top;
    BlockLine m_anchor;
    BlockLine m_caret;
    bool m_hasSelection = false;
    int m_widestLine = 0;
    // The lines of the blocks shown last, so that moving and painting ask the source only for new blocks.
    mutable RecentValues<QStringList> m_cache;
};

} // namespace trelkin::ui
