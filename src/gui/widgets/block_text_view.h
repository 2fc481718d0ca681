#pragma once

#include <QAbstractScrollArea>
#include <QStringList>
#include <cstddef>
#include <functional>

namespace trelkin::ui {

// A read-only text of many blocks of lines that are made only when shown or copied, so that millions of blocks
// cost no more than the ones on screen. Lines can be selected with the mouse, the keyboard or Ctrl+A, and
// Ctrl+C copies exactly the selected lines, each ending in a line break.
class BlockTextView : public QAbstractScrollArea {
    Q_OBJECT
public:
    using BlockLines = std::function<QStringList(std::size_t block)>;

    explicit BlockTextView(QWidget* parent = nullptr);

    // Where the lines of a block come from; the view asks for the visible blocks only.
    void setBlockLines(BlockLines lines);
    // The number of blocks grew (or went back to 0); the view keeps its position and selection.
    void setBlockCount(std::size_t count);
    std::size_t blockCount() const { return m_blockCount; }

    void selectAll();
    QString selectedText() const;
    void copy() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // A line of the whole text: its block and its line within the block.
    struct Position {
        std::size_t block = 0;
        int line = 0;
        friend auto operator<=>(const Position&, const Position&) = default;
    };

    int lineHeight() const;
    int visibleLines() const;
    QStringList linesOf(std::size_t block) const;
    Position moved(Position from, long long lines) const;
    Position lastPosition() const;
    Position positionAt(int y) const;
    bool isSelected(Position position) const;
    void scrollTo(Position top);
    void moveCaret(Position caret, bool extend);
    void updateScrollBars();

    BlockLines m_lines;
    std::size_t m_blockCount = 0;
    Position m_top;
    Position m_anchor;
    Position m_caret;
    bool m_hasSelection = false;
    int m_widestLine = 0;
};

} // namespace trelkin::ui
