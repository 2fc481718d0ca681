#include "core/combination/recipe_tree_opening.h"
#include "support/cli_run.h"
#include "support/scrambled_fixture.h"

#include <gtest/gtest.h>

namespace trelkin {
namespace {

using testing::CliRun;
using testing::DataDirectory;
using testing::runCli;

TEST(CombinationCommandsTest, DetailsPrintTheBoxWithItsOpenDerivationTree) {
    DataDirectory dir;
    dir.writeScrambledUtf8("prepare.dat", QStringLiteral("1,回復薬,薬草,青茸,95,体力を回復する。,調合,1\n"
                                                         "2,上回復薬,回復薬,ハチミツ,90,大きく回復する。,錬金,1\n"));
    const CliRun run = runCli({"details", "--item", "上回復薬"}, dir.path());
    EXPECT_EQ(run.status, cli::kExitOk);
    EXPECT_EQ(run.out, "No：\t2\n種類：\t[ 錬金 ]\n調合アイテム：\t上回復薬\n成功確率：\t90%\n調合結果：\t1個\n"
                       "アイテム解説：\t大きく回復する。\n材料：\t上回復薬 = 回復薬 + ハチミツ\n派生図：\n"
                       "上回復薬\torange\n  回復薬\tblue\n    薬草\tblack\n    青茸\tblack\n  ハチミツ\tblack\n");
}

TEST(CombinationCommandsTest, ADeepChainIsPrintedAsFarAsThePageOpensItWithItsNote) {
    constexpr int kChainLength = 100000;
    QString recipes;
    for (int level = 0; level < kChainLength; ++level)
        recipes += QStringLiteral("%1,m%2,m%3,raw,90,d,調合,1\n").arg(level == 0 ? 1 : 2).arg(level).arg(level + 1);
    DataDirectory dir;
    dir.writeScrambledUtf8("prepare.dat", recipes);
    const CliRun run = runCli({"details", "--no", "1"}, dir.path());
    EXPECT_EQ(run.status, cli::kExitOk);
    const std::string deepest =
        std::string(size_t(2 * OpeningLimits{}.depth), ' ') + "m" + std::to_string(OpeningLimits{}.depth) + "\tblue\n";
    EXPECT_NE(run.out.find(deepest), std::string::npos);
    EXPECT_EQ(run.out.find("m" + std::to_string(OpeningLimits{}.depth + 1) + "\t"), std::string::npos);
    EXPECT_TRUE(run.out.ends_with(
        "一部を閉じて表示しています: 項目が多すぎるため、すべては開けません (上限 100000 行, 500 階層)\n"))
        << run.out.substr(run.out.size() - 200);
}

} // namespace
} // namespace trelkin
