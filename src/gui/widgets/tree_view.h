#pragma once

#include <QTreeView>

namespace trelkin::ui {

// A tree view that can open many nodes at once, where Enter or Space on the current node does what a click on it
// does.
class TreeView : public QTreeView {
    Q_OBJECT
public:
    explicit TreeView(QWidget* parent = nullptr);

    // Opens the nodes with a single layout of the rows; opening them one by one would lay out the rows below
    // each node again, which grows with the square of their number.
    void expandInOnePass(const QModelIndexList& indexes);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace trelkin::ui
