#pragma once

#include <QLayout>
#include <vector>

namespace trelkin::ui {

// Lays its items out left to right and starts a new row when the next item does not fit.
class FlowLayout : public QLayout {
public:
    explicit FlowLayout(QWidget* parent = nullptr, int spacing = 0);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Places the visible items within rect (only measures when dryRun) and returns the height used.
    int arrange(const QRect& rect, bool dryRun) const;

    std::vector<QLayoutItem*> m_items;
    int m_spacing;
};

} // namespace trelkin::ui
