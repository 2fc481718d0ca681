#include "support/window_fixture.h"

#include <QDir>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace trelkin {
namespace {

using testing::sjis;

using MainFormTest = testing::WindowTest;

TEST_F(MainFormTest, OpensWithItsCaptionAndFiveTabsAtTheBottom) {
    openWindow();
    takeErrors();
    EXPECT_EQ(form().windowTitle(), QStringLiteral("「Trelkin」(Brakmoor Vastfolio) v0.7"));
    EXPECT_EQ(form().minimumSize(), QSize(650, 500));
    const QTabWidget* pages = form().pages();
    EXPECT_EQ(pages->tabPosition(), QTabWidget::South);
    const QStringList expected{QStringLiteral("調 合"), QStringLiteral("防 具"), QStringLiteral("武 器"),
                               QStringLiteral("素材・アイテム一覧"), QStringLiteral("情報提供")};
    ASSERT_EQ(pages->count(), expected.size());
    for (int i = 0; i < pages->count(); ++i) {
        EXPECT_EQ(pages->tabText(i), expected[i]);
        EXPECT_EQ(pages->tabBar()->tabRect(i).size(), QSize(120, 20));
    }
    EXPECT_EQ(pages->currentIndex(), 0);
}

TEST_F(MainFormTest, APageIsBuiltWhenFirstShownAndFilledAsFarAsStartUpGot) {
    writeDataFiles(QStringLiteral("1,回復薬,薬草,青茸,95,説明。,調合,1"), {},
                   QStringLiteral("<weapon><weaponlist/></weapon>"));
    openWindow(false);
    EXPECT_EQ(form().findChild<QListWidget*>(QStringLiteral("ListBox1")), nullptr) << "not built before it is shown";
    form().pages()->setCurrentIndex(3);
    const auto* items = form().findChild<QListWidget*>(QStringLiteral("ListBox1"));
    ASSERT_NE(items, nullptr);
    EXPECT_EQ(items->count(), 3);
}

TEST_F(MainFormTest, MissingRecipeFileIsReportedAndTheWindowStillOpens) {
    openWindow();
    EXPECT_TRUE(form().isVisible());
    EXPECT_EQ(m_dialogs.errorTitles, QStringList{ui::applicationName()});
    const QString path = QDir(m_dir.path()).filePath(QStringLiteral("prepare.dat"));
    EXPECT_EQ(takeErrors(), QStringList{QStringLiteral("ファイル %1 は開けません.").arg(path)});
    EXPECT_TRUE(form().tables().PrepareDatas.empty());
}

TEST_F(MainFormTest, LoadsTheRecipeFileWithoutAnyBox) {
    writeDataFiles(QStringLiteral("1,回復薬,薬草,青茸,95,体力を回復する。,調合,1"), {}, {});
    openWindow();
    ASSERT_EQ(form().tables().PrepareDatas.size(), 1u);
    EXPECT_EQ(form().tables().PrepareDatas[0].Item, sjis("回復薬"));
}

TEST_F(MainFormTest, ABadRecipeLineShowsTheListIndexErrorAsIs) {
    m_dir.writeScrambled("prepare.dat", "1,A,B,C,90");
    openWindow();
    EXPECT_EQ(takeErrors(), QStringList{QStringLiteral("リストのインデックスが範囲を超えています (5)")});
}

} // namespace
} // namespace trelkin
