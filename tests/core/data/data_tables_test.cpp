#include "core/data/data_file_path.h"
#include "core/data/data_tables.h"
#include "support/error_of.h"
#include "support/scrambled_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <gtest/gtest.h>

namespace trelkin {
namespace {

using testing::DataDirectory;
using testing::errorOf;
using testing::sjis;

TEST(DataFilePathTest, LooksNextToTheExecutableWhateverTheWorkingDirectory) {
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QDir::tempPath()));
    const QString path = DataFilePath(kPrepareFileName);
    const QString withoutDirectory = dataFilePathIn(QString(), kGuardFileName);
    QDir::setCurrent(before);
    const QDir executable(QCoreApplication::applicationDirPath());
    EXPECT_EQ(path, executable.filePath(QStringLiteral("prepare.dat")));
    EXPECT_EQ(withoutDirectory, executable.filePath(QStringLiteral("guard.dat")));
    EXPECT_EQ(dataFilePathIn(QStringLiteral("/data"), kWeaponFileName), QStringLiteral("/data/weapon.dat"));
}

TEST(DataTablesTest, LoadsTheThreeFilesAndStopsAtTheFirstErrorWithWhatWasRead) {
    DataDirectory dir;
    dir.writeScrambled("prepare.dat", sjis("1,回復薬,薬草,青茸,95,説明。,調合,1"));
    dir.writeScrambled("guard.dat", "<guard><skilllist><r><skill>a</skill><name>b</name><range_min>1</range_min>"
                                    "<range_max>x</range_max></r></skilllist></guard>");
    dir.writeScrambled("weapon.dat", "<w><weaponlist><x><name>n</name><attack>1</attack></x></weaponlist></w>");
    DataTables tables;
    EXPECT_EQ(errorOf([&] { loadDataTables(dir.path(), tables); }), "'x' は整数ではありません");
    EXPECT_EQ(tables.PrepareDatas.size(), 1u);
    EXPECT_EQ(tables.Armour.SkillDatas.size(), 1u) << "the failing table keeps its length";
    EXPECT_TRUE(tables.Weapons.empty()) << "the weapon file is never read";

    dir.writeScrambled("guard.dat", "<guard/>");
    DataTables whole;
    loadDataTables(dir.path(), whole);
    EXPECT_EQ(whole.Weapons.size(), 1u);
}

} // namespace
} // namespace trelkin
