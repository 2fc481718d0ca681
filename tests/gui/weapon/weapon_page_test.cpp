#include "gui/weapon/weapon_page.h"
#include "gui/weapon/weapon_tree_model.h"
#include "gui/widgets/flat_button_pages.h"
#include "gui/widgets/flat_tree_view.h"
#include "gui/widgets/indented_item_delegate.h"
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

const QString kWeaponXml = QStringLiteral(R"(<?xml version="1.0" encoding="Shift_JIS"?><d><weaponlist>
  <w><type>片手剣</type><name>骨剣</name><attack>120</attack><sale>500</sale></w>
  <w><type>片手剣</type><name>骨剣改</name><attack>480</attack><parentweapon>骨剣</parentweapon>
     <additionaleffect><e value="180">火属性</e></additionaleffect><production>1200</production>
     <materials><m num="2">竜骨</m></materials></w>
  <w><type>双剣</type><name>骨双剣</name><attack>900</attack><parentweapon>骨剣改</parentweapon>
     <additionaleffect><e value="180">火属性</e><e value="10">防御力</e></additionaleffect></w>
  <w><type>大剣</type><name>大骨剣</name><attack>1500</attack></w>
  <w><type>ハンマー</type><name>骨槌</name><attack>600</attack></w>
  <w><type>ランス</type><name>骨槍</name><attack>700</attack></w>
</weaponlist></d>)");

class WeaponPageTest : public testing::WindowTest {
protected:
    WeaponPageTest() {
        writeDataFiles({}, {}, kWeaponXml);
        openWindow();
    }

    ui::FlatButtonPages* classPages() const { return form().findChild<WeaponPage*>()->classPages(); }
    QTreeView* tree(int number) const { return find<QTreeView>(QStringLiteral("TreeView%1").arg(number)); }
    QString text(const char* label) const { return find<QLabel>(QString::fromLatin1(label))->text(); }
    QStringList lines(const char* list) const {
        QStringList texts;
        const auto* box = find<QListWidget>(QString::fromLatin1(list));
        for (int row = 0; row < box->count(); ++row)
            texts << box->item(row)->text();
        return texts;
    }

    // Every node of every tree.
    std::vector<QModelIndex> allNodes() const {
        std::vector<QModelIndex> nodes;
        for (int number = 3; number <= 7; ++number) {
            const QAbstractItemModel* model = tree(number)->model();
            for (int row = 0; row < model->rowCount(); ++row)
                nodes.push_back(model->index(row, 0));
        }
        return nodes;
    }

    static int depthOf(const QModelIndex& node) { return node.data(WeaponTreeModel::kDepthRole).toInt(); }

    int blueNodes() const {
        const auto nodes = allNodes();
        return int(std::count_if(nodes.begin(), nodes.end(), [](const QModelIndex& node) {
            return node.data(Qt::ForegroundRole).value<QColor>() == QColor(0, 0, 255);
        }));
    }

    void select(int number, const QModelIndex& node) const {
        QTreeView* view = tree(number);
        view->selectionModel()->setCurrentIndex(node, QItemSelectionModel::ClearAndSelect);
    }
};

TEST_F(WeaponPageTest, BuildsFiveOpenTreesWithClassIconsOnTheirPages) {
    const QStringList captions{QStringLiteral("片手剣"), QStringLiteral("双剣"), QStringLiteral("大剣"),
                               QStringLiteral("ハンマー"), QStringLiteral("ランス")};
    EXPECT_EQ(classPages()->currentIndex(), 0);
    for (int i = 0; i < captions.size(); ++i) {
        const QToolButton* button = classPages()->button(i);
        EXPECT_EQ(button->text(), captions[i]);
        EXPECT_EQ(button->width(), 85);
        EXPECT_FALSE(button->icon().isNull());
    }

    QTreeView* first = tree(3);
    EXPECT_EQ(first->editTriggers(), QAbstractItemView::NoEditTriggers);
    ASSERT_EQ(first->model()->rowCount(), 3) << "fully open: every node is a row";
    const QStringList names{QStringLiteral("骨剣"), QStringLiteral("骨剣改"), QStringLiteral("骨双剣")};
    for (int row = 0; row < 3; ++row) {
        const QModelIndex node = first->model()->index(row, 0);
        EXPECT_EQ(node.data().toString(), names[row]);
        EXPECT_EQ(depthOf(node), row);
        EXPECT_FALSE(node.data(Qt::DecorationRole).value<QIcon>().isNull());
    }
    EXPECT_NE(qobject_cast<ui::IndentedItemDelegate*>(first->itemDelegate()), nullptr);
    EXPECT_EQ(tree(4)->model()->rowCount(), 1) << "骨双剣 also heads its own class";
    for (int number = 5; number <= 7; ++number)
        EXPECT_EQ(tree(number)->model()->rowCount(), 1);
}

TEST_F(WeaponPageTest, TheThresholdRecoloursEveryTreeWithoutRebuildingIt) {
    auto* threshold = find<QSpinBox>(QStringLiteral("SpinEdit2"));
    EXPECT_EQ(threshold->minimum(), 0);
    EXPECT_EQ(threshold->maximum(), 2000);
    EXPECT_EQ(threshold->value(), 500);
    EXPECT_EQ(blueNodes(), 5) << "480 and 120 stay black; 骨双剣 counts in both trees";

    const QPersistentModelIndex kept = tree(3)->model()->index(0, 0);
    threshold->setValue(0);
    EXPECT_EQ(blueNodes(), int(allNodes().size()));
    threshold->setValue(2000);
    EXPECT_EQ(blueNodes(), 0);
    EXPECT_TRUE(kept.isValid()) << "the tree was not rebuilt";
}

TEST_F(WeaponPageTest, TheThresholdColourIsWhatTheTreeDraws) {
    auto* threshold = find<QSpinBox>(QStringLiteral("SpinEdit2"));
    form().pages()->setCurrentIndex(2);
    const auto bluePixels = [&] {
        const QImage image = tree(6)->viewport()->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) == QColor(0, 0, 255);
        return count;
    };
    classPages()->setCurrentIndex(3);
    threshold->setValue(0);
    EXPECT_GT(bluePixels(), 0);
    threshold->setValue(2000);
    EXPECT_EQ(bluePixels(), 0);
}

TEST_F(WeaponPageTest, SelectingANodeFillsThePanelAndPageSwitchesLeaveItAlone) {
    for (const char* label : {"LabelWeaponName", "LabelWeaponType", "LabelWeaponAttack", "LabelWeaponSale",
                              "LabelWeaponParent", "LabelWeaponProduction"})
        EXPECT_EQ(text(label), QStringLiteral("-----")) << label;

    const QModelIndex upgrade = tree(3)->model()->index(1, 0);
    select(3, upgrade);
    EXPECT_EQ(text("LabelWeaponName"), QStringLiteral("骨剣改"));
    EXPECT_EQ(text("LabelWeaponType"), QStringLiteral("片手剣"));
    EXPECT_EQ(text("LabelWeaponAttack"), QStringLiteral("480"));
    EXPECT_EQ(lines("ListBoxEffect"), QStringList{QStringLiteral("火属性(180)")});
    EXPECT_EQ(text("LabelWeaponSale"), QStringLiteral("0"));
    EXPECT_TRUE(lines("ListBoxCreateMaterials").isEmpty());
    EXPECT_EQ(text("LabelWeaponParent"), QStringLiteral("骨剣"));
    EXPECT_EQ(text("LabelWeaponProduction"), QStringLiteral("1200"));
    EXPECT_EQ(lines("ListBoxMaterials"), QStringList{QStringLiteral("竜骨(2)")});

    classPages()->setCurrentIndex(1);
    EXPECT_EQ(text("LabelWeaponName"), QStringLiteral("骨剣改")) << "switching pages changes nothing";
    select(4, tree(4)->model()->index(0, 0));
    EXPECT_EQ(text("LabelWeaponName"), QStringLiteral("骨双剣"));
    EXPECT_EQ(tree(3)->selectionModel()->selectedIndexes().value(0), upgrade) << "each tree keeps its selection";

    tree(4)->clearSelection();
    EXPECT_EQ(text("LabelWeaponName"), QString()) << "a change to no selection empties the fields";
    EXPECT_TRUE(lines("ListBoxEffect").isEmpty());
}

using WeaponDeepChainTest = testing::WindowTest;

TEST_F(WeaponDeepChainTest, AHundredThousandLevelChainOpensFullyWithoutOverflow) {
    constexpr int kDepth = 100000;
    std::string weapons = "<d><weaponlist>";
    for (int level = 0; level < kDepth; ++level)
        weapons += "<w><type>ランス</type><name>L" + std::to_string(level) + "</name><attack>1</attack><parentweapon>" +
                   (level ? "L" + std::to_string(level - 1) : "") + "</parentweapon></w>";
    writeDataFiles({}, {}, {});
    m_dir.writeScrambled("weapon.dat", weapons + "</weaponlist></d>"); // UTF-8, as it declares no encoding
    openWindow();
    auto* lances = find<QTreeView>("TreeView7");
    form().findChild<WeaponPage*>()->classPages()->setCurrentIndex(4);
    ASSERT_EQ(lances->model()->rowCount(), kDepth);
    const QModelIndex deepest = lances->model()->index(kDepth - 1, 0);
    EXPECT_EQ(deepest.data(WeaponTreeModel::kDepthRole).toInt(), kDepth - 1);
    lances->scrollTo(deepest);
    EXPECT_FALSE(lances->viewport()->grab().isNull());
}

using WeaponStartupTest = testing::WindowTest;

TEST_F(WeaponStartupTest, ABadWeaponFileLeavesTheTreesEmptyAndTheEarlierViewsFilled) {
    writeDataFiles(QStringLiteral("1,回復薬,薬草,青茸,95,説明。,調合,1"), {},
                   QStringLiteral("<d><weaponlist><w><name>A</name><attack></attack></w></weaponlist></d>"));
    openWindow();
    EXPECT_EQ(takeErrors(), QStringList{QStringLiteral("'' は整数ではありません.")});
    EXPECT_EQ(find<QListWidget>("LBPrepare1")->count(), 2);
    for (int number = 3; number <= 7; ++number)
        EXPECT_EQ(find<QTreeView>(QStringLiteral("TreeView%1").arg(number))->model()->rowCount(), 0);
    EXPECT_EQ(find<QLabel>("LabelWeaponName")->text(), QStringLiteral("-----"));
}

} // namespace
} // namespace trelkin
