#pragma once

#include <QStyledItemDelegate>

namespace trelkin::ui {

// Draws an item in its own text colour (the model's foreground), cut with an ellipsis at the right end. A selected
// item shows the selection's own text colour, which reads well on the selection, with a bar of its colour at its
// left edge; a cut item offers its full text as a tooltip.
class ColouredItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // rowHeight 0 keeps the style's row height.
    explicit ColouredItemDelegate(int rowHeight = 0, QObject* parent = nullptr);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    int m_rowHeight;
};

} // namespace trelkin::ui
