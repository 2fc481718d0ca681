#include "core/data/data_file_path.h"
#include "gui/main_form.h"
#include "gui/widgets/error_box.h"
#include "support/recorded_error_boxes.h"
#include "support/scrambled_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace trelkin {
namespace {

using testing::DataDirectory;
using testing::RecordedErrorBoxes;
using testing::sjis;

TEST(MainFormTest, OpensWithItsCaptionAndFiveTabsAtTheBottom) {
    DataDirectory dir;
    RecordedErrorBoxes boxes;
    TMainForm form(dir.path());
    form.buildEveryPage();
    form.show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("「Trelkin」(Brakmoor Vastfolio) v0.7"));
    EXPECT_EQ(form.minimumSize(), QSize(650, 500));
    const QTabWidget* pages = form.pages();
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

TEST(MainFormTest, APageIsBuiltWhenFirstShownAndFilledAsFarAsStartUpGot) {
    DataDirectory dir;
    dir.writeScrambledUtf8(QStringLiteral("prepare.dat"), QStringLiteral("1,回復薬,薬草,青茸,95,説明。,調合,1"));
    dir.writeScrambled("guard.dat", "<guard/>");
    dir.writeScrambled("weapon.dat", "<weapon><weaponlist/></weapon>");
    RecordedErrorBoxes boxes;
    TMainForm form(dir.path());
    form.show();
    EXPECT_EQ(form.findChild<QListWidget*>(QStringLiteral("ListBox1")), nullptr) << "not built before it is shown";
    form.pages()->setCurrentIndex(3);
    const auto* items = form.findChild<QListWidget*>(QStringLiteral("ListBox1"));
    ASSERT_NE(items, nullptr);
    EXPECT_EQ(items->count(), 3);
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST(MainFormTest, MissingRecipeFileIsReportedAndTheWindowStillOpens) {
    DataDirectory dir;
    RecordedErrorBoxes boxes;
    TMainForm form(dir.path());
    form.buildEveryPage();
    form.show();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(boxes.titles(), QStringList{ui::applicationName()});
    const QString path = QDir(dir.path()).filePath(QStringLiteral("prepare.dat"));
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("ファイル %1 は開けません.").arg(path)});
    EXPECT_TRUE(form.prepareDatas().empty());
}

TEST(MainFormTest, LoadsTheRecipeFileWithoutAnyBox) {
    DataDirectory dir;
    dir.writeScrambled("prepare.dat", sjis("1,回復薬,薬草,青茸,95,体力を回復する。,調合,1"));
    dir.writeScrambled("guard.dat", "<guard/>");
    dir.writeScrambled("weapon.dat", "<w/>");
    RecordedErrorBoxes boxes;
    TMainForm form(dir.path());
    form.buildEveryPage();
    EXPECT_TRUE(boxes.texts().isEmpty());
    ASSERT_EQ(form.prepareDatas().size(), 1u);
    EXPECT_EQ(form.prepareDatas()[0].Item, sjis("回復薬"));
}

TEST(MainFormTest, ABadRecipeLineShowsTheListIndexErrorAsIs) {
    DataDirectory dir;
    dir.writeScrambled("prepare.dat", "1,A,B,C,90");
    RecordedErrorBoxes boxes;
    TMainForm form(dir.path());
    form.buildEveryPage();
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("リストのインデックスが範囲を超えています (5)")});
}

TEST(DataFilePathTest, LooksNextToTheExecutableWhateverTheWorkingDirectory) {
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QDir::tempPath()));
    const QString path = DataFilePath(kPrepareFileName);
    QDir::setCurrent(before);
    EXPECT_EQ(path, QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("prepare.dat")));
}

} // namespace
} // namespace trelkin
