#pragma once

#include <QStyledItemDelegate>

namespace trelkin::ui {

// Draws an item in its own text colour (the model's foreground) also while it is selected, cut with an
// ellipsis at the right end; items without a colour of their own look as usual.
class ColouredItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // rowHeight 0 keeps the style's row height.
    explicit ColouredItemDelegate(int rowHeight = 0, QObject* parent = nullptr);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    int m_rowHeight;
};

} // namespace trelkin::ui
