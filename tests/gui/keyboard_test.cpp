// The window as a player meets it with the keyboard alone and at its smallest size: no view traps the focus, Tab
// follows the layout, Enter does what a click does, and every name, cut or coloured, can still be read.
#include "gui/widgets/application_style.h"
#include "gui/widgets/coloured_item_delegate.h"
#include "gui/widgets/flat_button_pages.h"
#include "support/window_fixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <QTreeView>
#include <cmath>
#include <gtest/gtest.h>

namespace trelkin {
namespace {

// The window on the demo data, shown, every page built.
class KeyboardTest : public testing::WindowTest {
protected:
    explicit KeyboardTest(bool buildEveryPage = true) {
        openWindowOn(QStringLiteral(TRELKIN_RUNTIME_DIR), buildEveryPage);
        QApplication::setActiveWindow(&form());
    }

    // The names of the widgets that Tab (or Shift+Tab) reaches from the tab bar, until it comes back there.
    QStringList tabChain(int page, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        constexpr int kMostPresses = 80;
        form().pages()->setCurrentIndex(page);
        QApplication::processEvents(); // a page built as it is shown shows its content a moment later
        form().pages()->tabBar()->setFocus();
        QStringList chain;
        for (int i = 0; i < kMostPresses; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
            QWidget* focused = QApplication::focusWidget();
            if (focused == form().pages()->tabBar())
                return chain;
            chain << (focused->objectName().isEmpty() ? QString::fromLatin1(focused->metaObject()->className())
                                                      : focused->objectName());
        }
        chain << QStringLiteral("(trapped)");
        return chain;
    }

    // Tab and Shift+Tab leave every view, and Tab goes round every page in the order of its layout.
    void expectTabToFollowTheLayout() const;
};

// The same window, its hidden pages left to be built when they are first shown, as a player meets them.
class LazilyBuiltKeyboardTest : public KeyboardTest {
protected:
    LazilyBuiltKeyboardTest() : KeyboardTest(false) {}
};

void KeyboardTest::expectTabToFollowTheLayout() const {
    for (int page = 0; page < form().pages()->count(); ++page) {
        EXPECT_FALSE(tabChain(page).contains(QStringLiteral("(trapped)"))) << "page " << page;
        EXPECT_FALSE(tabChain(page, Qt::ShiftModifier).contains(QStringLiteral("(trapped)"))) << "page " << page;
    }
    // Round the window top to bottom: the link strip, the page, and back through the tab bar along the bottom.
    const auto chain = [&](int page) { return tabChain(page).join(' ').toStdString(); };
    EXPECT_EQ(chain(0), "Panel1 QToolButton LBPrepare1 LBPrepare2 SpinEdit1 Memo1 TreeView2")
        << "the lists on the left, then the detail box";
    EXPECT_EQ(chain(1), "Panel1 QToolButton CB_AllSkill CB_AllMaterial CB_Part ListView2 ListBox5 SkillGrid "
                        "MaterialGrid")
        << "through both grids and out";
    EXPECT_EQ(chain(2), "Panel1 QToolButton TreeView3 SpinEdit2 ListBoxEffect ListBoxCreateMaterials "
                        "ListBoxMaterials");
    const QStringList report = tabChain(4);
    EXPECT_EQ(report.mid(0, 2), (QStringList{"Panel1", "ComboBox6"}));
    EXPECT_EQ(report.back(), QStringLiteral("Button3")) << "the button that sends the form comes last";
}

TEST_F(KeyboardTest, TabAndShiftTabLeaveEveryViewAndFollowTheLayout) {
    expectTabToFollowTheLayout();
}

TEST_F(LazilyBuiltKeyboardTest, APageBuiltOnItsFirstShowTakesItsPlaceInTheTabOrder) {
    expectTabToFollowTheLayout();
}

TEST_F(KeyboardTest, EnterOnAFocusedButtonOrARecipeNodeDoesWhatAClickDoes) {
    form().pages()->setCurrentIndex(1);
    auto* search = find<QPushButton>("Button1");
    search->window()->activateWindow();
    search->setFocus();
    QTest::keyClick(search, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_dialogs.informations.isEmpty(); }, 5000)) << "Enter started the search";
    EXPECT_EQ(m_dialogs.informations, QStringList{QStringLiteral("情報:検索が完了しました")});

    form().pages()->setCurrentIndex(0);
    auto* tree = find<QTreeView>("TreeView1");
    tree->setCurrentIndex(tree->model()->index(0, 0));
    QTest::keyClick(tree, Qt::Key_Space);
    EXPECT_NE(find<QLabel>("Label8")->text(), QStringLiteral("-----")) << "Space opened the recipe's details";
}

// The tooltip that a tooltip event at the point shows, empty for none.
QString toolTipAt(QWidget* widget, QPoint at) {
    QToolTip::hideText();
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
    QHelpEvent event(QEvent::ToolTip, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

TEST_F(KeyboardTest, TheSetSearchTabsThroughTheConditionsFirstThenTheResult) {
    form().pages()->setCurrentIndex(1);
    constexpr int kSetSearchPage = 3;
    find<ui::FlatButtonPages>("PageControl3")->setCurrentIndex(kSetSearchPage);
    find<QComboBox>("ComboBox1")->setCurrentIndex(1);
    find<QPushButton>("Button1")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_dialogs.informations.isEmpty(); }, 10000));
    find<QToolButton>("ConditionsToggle")->click(); // the conditions folded away for the result; back again
    const QStringList chain = tabChain(1);
    for (const char* control : {"ConditionsToggle", "ComboBox1", "ComboBox4", "Button1", "SpinEdit4", "SetResultOrder",
                                "SetResultReverse", "SetResultTable"})
        EXPECT_TRUE(chain.contains(QString::fromLatin1(control))) << control << " in " << chain.join(' ').toStdString();
    EXPECT_LT(chain.indexOf("ComboBox1"), chain.indexOf("Button1"));
    EXPECT_LT(chain.indexOf("SpinEdit3"), chain.indexOf("CheckBox2")) << "row by row";
    EXPECT_LT(chain.indexOf("SpinEdit4"), chain.indexOf("SetResultOrder"));
    EXPECT_LT(chain.indexOf("SetResultReverse"), chain.indexOf("SetResultTable"));
}

TEST_F(KeyboardTest, ACutNameOffersItsFullTextAndItsPopupIsWideEnough) {
    form().pages()->setCurrentIndex(1);
    constexpr int kSetSearchPage = 3;
    find<ui::FlatButtonPages>("PageControl3")->setCurrentIndex(kSetSearchPage);
    auto* wanted = find<QComboBox>("ComboBox1");
    int longest = 1;
    for (int i = 1; i < wanted->count(); ++i)
        if (wanted->itemText(i).size() > wanted->itemText(longest).size())
            longest = i;
    wanted->setCurrentIndex(longest);
    ASSERT_GT(wanted->fontMetrics().horizontalAdvance(wanted->currentText()), wanted->width() - 30) << "cut";
    EXPECT_EQ(toolTipAt(wanted, wanted->rect().center()), wanted->currentText());
    EXPECT_GE(wanted->view()->minimumWidth(), wanted->fontMetrics().horizontalAdvance(wanted->currentText()));
    wanted->setCurrentIndex(0);
    EXPECT_EQ(toolTipAt(wanted, wanted->rect().center()), QString()) << "nothing cut, no tooltip";

    QListWidget list;
    list.setItemDelegate(new ui::ColouredItemDelegate(0, &list));
    list.addItems({QStringLiteral("短い"), QStringLiteral("とても長い名前の素材がここにあります")});
    list.resize(80, 100);
    list.show();
    const QRect cut = list.visualItemRect(list.item(1));
    EXPECT_EQ(toolTipAt(list.viewport(), cut.center()), list.item(1)->text());
    EXPECT_EQ(toolTipAt(list.viewport(), list.visualItemRect(list.item(0)).center()), QString());
}

double luminance(QColor colour) {
    const auto channel = [](double value) {
        constexpr double kLinearBelow = 0.03928;
        constexpr double kLinearDivisor = 12.92;
        constexpr double kOffset = 0.055;
        constexpr double kGamma = 2.4;
        return value <= kLinearBelow ? value / kLinearDivisor : std::pow((value + kOffset) / (1 + kOffset), kGamma);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

double contrast(QColor a, QColor b) {
    constexpr double kFlare = 0.05;
    const double la = luminance(a) + kFlare;
    const double lb = luminance(b) + kFlare;
    return std::max(la, lb) / std::min(la, lb);
}

TEST(SelectionContrastTest, TextOnASelectedRowReadsAtFourAndAHalfToOneInEveryColour) {
    for (const QColor colour :
         {QColor(0, 0, 255), QColor(255, 128, 0), QColor(255, 0, 0), QColor(0, 0, 128), QColor(Qt::black)}) {
        QListWidget list;
        list.setItemDelegate(new ui::ColouredItemDelegate(0, &list));
        auto* item = new QListWidgetItem(QStringLiteral("■■■■ 素材"));
        item->setForeground(colour);
        list.addItem(item);
        list.resize(200, 60);
        list.show();
        item->setSelected(true);
        const QImage image = list.viewport()->grab().toImage();
        const QRect row = list.visualItemRect(item);
        // The text is the colour farthest from the row's background, which fills the row's right end.
        const QColor background = image.pixelColor(row.right() - 2, row.center().y());
        double textContrast = 0;
        for (int x = row.left() + 6; x < row.right() - 20; ++x)
            for (int y = row.top(); y <= row.bottom(); ++y)
                textContrast = std::max(textContrast, contrast(image.pixelColor(x, y), background));
        EXPECT_GE(textContrast, 4.5) << colour.name().toStdString();
        EXPECT_GE(contrast(Qt::white, ui::kSelectionBackground), 4.5);
    }
}

TEST_F(KeyboardTest, TheArmourListShowsTheSortItsOwnRuleUses) {
    form().pages()->setCurrentIndex(1);
    auto* list = find<QTableView>("ListView2");
    QHeaderView* header = list->horizontalHeader();
    EXPECT_TRUE(header->isSortIndicatorShown());
    constexpr int kDefenceColumn = 1;
    header->sectionClicked(kDefenceColumn);
    EXPECT_EQ(header->sortIndicatorSection(), kDefenceColumn);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder) << "a number column puts the largest first";
    header->sectionClicked(kDefenceColumn);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
    header->sectionClicked(0);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder) << "the name column ascends";
}

TEST(PopupTest, ADropDownShowsAtMostItsSetNumberOfEntries) {
    QComboBox selector;
    for (int i = 0; i < 100; ++i)
        selector.addItem(QString::number(i));
    constexpr int kVisible = 20;
    selector.setMaxVisibleItems(kVisible);
    selector.show();
    selector.showPopup();
    QAbstractItemView* view = selector.view();
    const int rows = view->viewport()->height() / view->sizeHintForRow(0);
    EXPECT_LE(rows, kVisible);
    EXPECT_GE(rows, kVisible - 1);
    selector.hidePopup();
}

} // namespace
} // namespace trelkin
