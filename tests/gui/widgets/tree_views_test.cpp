#include "gui/widgets/flat_tree_view.h"
#include "gui/widgets/indented_item_delegate.h"

#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QTest>
#include <gtest/gtest.h>

namespace trelkin {
namespace {

// Where the item's text starts when the delegate draws it on a white strip.
int firstInkColumn(const ui::IndentedItemDelegate& delegate, const QModelIndex& index) {
    QImage image(200, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QStyleOptionViewItem option;
    option.rect = image.rect();
    option.font = QFont();
    delegate.paint(&painter, option, index);
    painter.end();
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y) != QColor(Qt::white))
                return x;
    return -1;
}

TEST(IndentedItemDelegateTest, MovesEachLevelTwentyEightPixelsRight) {
    QStandardItemModel model;
    for (const int depth : {0, 2}) {
        auto* item = new QStandardItem(QStringLiteral("X"));
        item->setData(depth, Qt::UserRole);
        model.appendRow(item);
    }
    const ui::IndentedItemDelegate delegate(28, Qt::UserRole);
    EXPECT_EQ(firstInkColumn(delegate, model.index(1, 0)) - firstInkColumn(delegate, model.index(0, 0)), 56);
    const QStyleOptionViewItem option;
    EXPECT_EQ(delegate.sizeHint(option, model.index(1, 0)).width() -
                  delegate.sizeHint(option, model.index(0, 0)).width(),
              56);
}

TEST(IndentedItemDelegateTest, DeeperLevelsMoveRightByAThirdOfTheIndentationSoDeepNamesStayOnScreen) {
    QStandardItemModel model;
    for (const int depth : {4, 10}) {
        auto* item = new QStandardItem(QStringLiteral("X"));
        item->setData(depth, Qt::UserRole);
        model.appendRow(item);
    }
    const ui::IndentedItemDelegate delegate(27, Qt::UserRole);
    const QStyleOptionViewItem option;
    EXPECT_EQ(delegate.sizeHint(option, model.index(1, 0)).width() -
                  delegate.sizeHint(option, model.index(0, 0)).width(),
              6 * 9);
}

TEST(FlatTreeViewTest, LeftGoesToTheParentAndRightToTheFirstChild) {
    QStandardItemModel model;
    for (const int depth : {0, 1, 2, 1, 2, 0}) {
        auto* item = new QStandardItem(QStringLiteral("X"));
        item->setData(depth, Qt::UserRole);
        model.appendRow(item);
    }
    ui::FlatTreeView view(28, Qt::UserRole);
    view.setModel(&model);
    view.show();
    const auto press = [&](int fromRow, Qt::Key key) {
        view.setCurrentIndex(model.index(fromRow, 0));
        QTest::keyClick(&view, key);
        return view.currentIndex().row();
    };
    EXPECT_EQ(press(3, Qt::Key_Left), 0) << "past the subtree of an earlier sibling";
    EXPECT_EQ(press(4, Qt::Key_Left), 3);
    EXPECT_EQ(press(0, Qt::Key_Left), 0) << "a top-level node has no parent";
    EXPECT_EQ(press(0, Qt::Key_Right), 1);
    EXPECT_EQ(press(2, Qt::Key_Right), 2) << "a leaf has no child";
    EXPECT_EQ(press(4, Qt::Key_Right), 4) << "the next top-level node is no child";
    EXPECT_EQ(press(2, Qt::Key_Down), 3);
}

} // namespace
} // namespace trelkin
