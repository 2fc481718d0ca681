#include "core/combination/recipe_tree_opening.h"
#include "gui/combination/combination_page.h"
#include "support/window_fixture.h"

#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <gtest/gtest.h>

namespace trelkin {
namespace {

// The main window over a recipe file and empty armour and weapon files.
class RecipeWindowTest : public testing::WindowTest {
protected:
    explicit RecipeWindowTest(const QString& recipes) {
        writeDataFiles(recipes, {}, {});
        openWindow();
    }

    // The note that stands beside a recipe tree when the tree is not open completely.
    static QLabel* noteBeside(const QTreeView* tree) {
        return testing::findWidget<QLabel>(*tree->parentWidget(), QStringLiteral("OpenedInPartNote"));
    }
};

class CombinationPageTest : public RecipeWindowTest {
protected:
    CombinationPageTest()
        : RecipeWindowTest(QStringLiteral("1,回復薬,薬草,青茸,95,体力を回復する。,調合,1\n"
                                          "2,上回復薬,回復薬,ハチミツ,90,大きく回復する。,調合,1\n"
                                          "3,回復薬,薬草,ハチミツ,70,別の作り方。,錬金,2\n"
                                          "4,燃焼石,ハチミツ,薬草,75,燃える。,錬金,2\n")) {}

    QString text(const char* label) const { return find<QLabel>(label)->text(); }

    void choose(QListWidget* list, const QString& entry) const {
        const QList<QListWidgetItem*> found = list->findItems(entry, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << entry.toStdString();
        list->setCurrentItem(found.first());
    }
};

TEST_F(CombinationPageTest, ChoosingMaterialsFillsThePartnersAndTheDetailBox) {
    auto* list1 = find<QListWidget>("LBPrepare1");
    auto* list2 = find<QListWidget>("LBPrepare2");
    EXPECT_EQ(list1->count(), 4);
    EXPECT_EQ(text("Label13"), QStringLiteral("(4)"));

    choose(list1, QStringLiteral("回復薬"));
    EXPECT_EQ(text("Label16"), QStringLiteral("回復薬(70%) = 薬草 + ハチミツ"));
    EXPECT_EQ(text("Label27"), QStringLiteral("[ 錬金 ]"));
    EXPECT_EQ(text("Label19"), QStringLiteral("(1)"));
    EXPECT_EQ(list1->currentItem()->foreground().color(), QColor(255, 128, 0));

    choose(list1, QStringLiteral("ハチミツ"));
    ASSERT_EQ(list2->count(), 3);
    choose(list2, QStringLiteral("薬草"));
    EXPECT_EQ(text("Label3"), QStringLiteral("燃焼石 = ハチミツ + 薬草"));
    EXPECT_EQ(find<QTreeView>("TreeView2")->model()->rowCount(), 2) << "both orders of the pair";
    EXPECT_EQ(find<QSpinBox>("SpinEdit1")->value(), 4);

    choose(list1, QStringLiteral("薬草"));
    EXPECT_EQ(text("Label8"), QStringLiteral("-----")) << "choosing in list 1 empties the box";
    EXPECT_EQ(find<QSpinBox>("SpinEdit1")->value(), 0);
}

TEST_F(CombinationPageTest, ClickingATopLevelRecipeShowsEveryRecipeOfItsItem) {
    auto* tree = find<QTreeView>("TreeView1");
    EXPECT_EQ(text("Label20"), QStringLiteral("(4)"));
    ASSERT_EQ(tree->model()->rowCount(), 4);
    EXPECT_FALSE(tree->isExpanded(tree->model()->index(0, 0))) << "the tree starts closed";
    const QModelIndex potion = tree->model()->index(0, 0);
    ASSERT_EQ(potion.data().toString(), QStringLiteral("回復薬"));
    tree->scrollTo(potion);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(potion).center());
    EXPECT_EQ(text("Label8"), QStringLiteral("回復薬"));
    EXPECT_EQ(text("Label9"), QStringLiteral("70%")) << "the later recipe stays in the labels";
    EXPECT_EQ(find<QTreeView>("TreeView2")->model()->rowCount(), 2);
}

TEST_F(CombinationPageTest, TypingANumberFillsOrEmptiesTheBoxAndKeepsTheNumber) {
    auto* number = find<QSpinBox>("SpinEdit1");
    number->setFocus();
    number->selectAll();
    QTest::keyClicks(number, QStringLiteral("2"));
    EXPECT_EQ(text("Label8"), QStringLiteral("上回復薬"));
    QTest::keyClicks(number, QStringLiteral("5"));
    EXPECT_EQ(text("Label8"), QStringLiteral("-----"));
    EXPECT_EQ(number->value(), 25);

    // The arrows change the number as typing does.
    number->setValue(3);
    number->stepBy(-1);
    EXPECT_EQ(text("Label8"), QStringLiteral("上回復薬"));
    number->stepBy(23);

    // Once the user has edited the number, emptying the box leaves the field alone.
    choose(find<QListWidget>("LBPrepare1"), QStringLiteral("薬草"));
    EXPECT_EQ(number->value(), 25);
}

// Recipe 1 heads a chain of derivations far deeper than a tree view can lay out.
class DeepRecipeChainTest : public RecipeWindowTest {
protected:
    static constexpr int kChainLength = 2000;

    DeepRecipeChainTest() : RecipeWindowTest(chain()) {}

    static QString chain() {
        QString recipes;
        for (int level = 0; level < kChainLength; ++level)
            recipes += QStringLiteral("%1,m%2,m%3,raw,90,d,調合,1\n").arg(level == 0 ? 1 : 2).arg(level).arg(level + 1);
        return recipes;
    }

    // Walks down the first children from the first top-level node; says how many levels were open.
    static int openLevels(const QTreeView& tree) {
        int levels = 0;
        for (QModelIndex node = tree.model()->index(0, 0); tree.isExpanded(node);
             node = tree.model()->index(0, 0, node))
            ++levels;
        return levels;
    }
};

TEST_F(DeepRecipeChainTest, TheDetailBoxOpensTheChainToTheDepthLimitAndSaysSo) {
    auto* tree = find<QTreeView>("TreeView2");
    QLabel* note = noteBeside(tree);
    EXPECT_TRUE(note->isHidden());
    find<QSpinBox>("SpinEdit1")->setValue(1);
    EXPECT_EQ(openLevels(*tree), OpeningLimits{}.depth);
    EXPECT_FALSE(note->isHidden());
    EXPECT_EQ(note->text(), QString::fromUtf8(kTreeOpenedInPart));
    find<QSpinBox>("SpinEdit1")->setValue(0);
    EXPECT_TRUE(note->isHidden()) << "an empty box is complete";
}

TEST_F(DeepRecipeChainTest, OpenAllStopsAtTheLimitsAndCloseAllTakesTheNoteAway) {
    auto* tree = find<QTreeView>("TreeView1");
    QLabel* note = noteBeside(tree);
    find<QToolButton>("SpeedButton1")->click();
    EXPECT_TRUE(tree->isExpanded(tree->model()->index(0, 0)));
    EXPECT_FALSE(note->isHidden());
    find<QToolButton>("SpeedButton2")->click();
    EXPECT_EQ(openLevels(*tree), 0);
    EXPECT_TRUE(note->isHidden());
}

TEST_F(CombinationPageTest, OpenAllOpensASmallTreeCompletelyWithoutTheNote) {
    auto* tree = find<QTreeView>("TreeView1");
    find<QToolButton>("SpeedButton1")->click();
    for (int row = 0; row < tree->model()->rowCount(); ++row)
        EXPECT_TRUE(tree->isExpanded(tree->model()->index(row, 0)));
    const auto named = [&](const QString& text, const QModelIndex& parent) {
        const QModelIndexList found = tree->model()->match(tree->model()->index(0, 0, parent), Qt::DisplayRole, text);
        EXPECT_EQ(found.size(), 1) << text.toStdString();
        return found.value(0);
    };
    const QModelIndex potion = named(QStringLiteral("回復薬"), named(QStringLiteral("上回復薬"), {}));
    EXPECT_TRUE(tree->isExpanded(potion)) << "materials open as well";
    EXPECT_TRUE(noteBeside(tree)->isHidden());
}

} // namespace
} // namespace trelkin
