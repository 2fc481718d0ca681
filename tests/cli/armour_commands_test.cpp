#include "cli/cli_app.h"
#include "support/cli_run.h"
#include "support/scrambled_fixture.h"

#include <gtest/gtest.h>

namespace trelkin {
namespace {

using testing::CliRun;

using testing::DataDirectory;

// The armour file of these tests: two skill systems, the torso-up rule, and pieces in three slots.
constexpr const char* kGuardXml = R"(<?xml version="1.0" encoding="Shift_JIS"?>
<guard>
  <skilllist>
    <row><skill>攻撃</skill><name>攻撃力UP【小】</name><range_min>10</range_min><range_max>14</range_max><effect>攻撃力+10</effect></row>
    <row><skill>攻撃</skill><name>攻撃力UP【中】</name><range_min>15</range_min><range_max>100</range_max><effect>攻撃力+15</effect></row>
    <row><skill>火耐性</skill><name>火耐性DOWN</name><range_min>-100</range_min><range_max>-10</range_max><effect>火-10</effect></row>
    <row><skill>胴系統倍加</skill><name>胴系統倍加</name><range_min>-100</range_min><range_max>100</range_max><effect>胴の倍加</effect></row>
  </skilllist>
  <armorlist>
    <head>
      <p><name>ヘルム</name><rare>2</rare><def>10</def><enableequipment m="Y" f="Y" s="Y"/>
        <attr fire="-2" water="0" thunder="1" dragon="0"/><production>500</production>
        <materials><m num="2">鉄鉱石</m></materials><skill><s val="1">胴系統倍加</s></skill></p>
    </head>
    <body>
      <p><name>メイル</name><rare>3</rare><def>25</def><enableequipment f="Y" g="Y"/>
        <attr fire="-5" water="1" thunder="0" dragon="0"/><production>800</production>
        <materials><m num="3">鉄鉱石</m><m num="1">竜骨</m></materials>
        <skill><s val="5">攻撃</s><s val="-6">火耐性</s></skill></p>
      <p><name>ローブ</name><rare>1</rare><def>3</def>
        <attr fire="0" water="0" thunder="0" dragon="0"/><production>100</production>
        <materials><m num="1">布</m></materials><skill><s val="2">攻撃</s></skill></p>
    </body>
    <leg>
      <p><name>ブーツ</name><rare>1</rare><def>25</def><attr fire="0" water="0" thunder="0" dragon="0"/>
        <production>300</production><materials><m num="1">竜骨</m></materials><skill><s val="3">攻撃</s></skill></p>
    </leg>
  </armorlist>
</guard>)";

class ArmourCliTest : public ::testing::Test {
protected:
    ArmourCliTest() { dir.writeScrambledUtf8(QStringLiteral("guard.dat"), QString::fromUtf8(kGuardXml)); }

    CliRun run(const std::vector<std::string>& arguments) const { return testing::runCli(arguments, dir.path()); }

    DataDirectory dir;
};

TEST_F(ArmourCliTest, PrintsTheSkillList) {
    const CliRun run = this->run({"skills"});
    EXPECT_EQ(run.status, cli::kExitOk);
    EXPECT_EQ(run.out, "攻撃\t攻撃力UP【小】\t10～14\t攻撃力+10\n"
                       "攻撃\t攻撃力UP【中】\t15以上\t攻撃力+15\n"
                       "火耐性\t火耐性DOWN\t-10以下\t火-10\n"
                       "胴系統倍加\t胴系統倍加\t100以下\t胴の倍加\n");
}

TEST_F(ArmourCliTest, PrintsTheSearchListAfterHeaderClicks) {
    EXPECT_EQ(run({"armour"}).out, "ローブ\t3\t\t\t\t\t0\t0\t0\t0\t1\t\t\n"
                                   "メイル\t25\t\t●\t\t●\t-5\t1\t0\t0\t3\t\t\n"
                                   "ヘルム\t10\t●\t●\t●\t\t-2\t0\t1\t0\t2\t\t\n"
                                   "ブーツ\t25\t\t\t\t\t0\t0\t0\t0\t1\t\t\n"
                                   "4件\n")
        << "a fresh result is in descending name order";
    EXPECT_EQ(run({"armour", "--skill", "攻撃", "--click", "1"}).out, "メイル\t25\t\t●\t\t●\t-5\t1\t0\t0\t3\t5\t\n"
                                                                      "ブーツ\t25\t\t\t\t\t0\t0\t0\t0\t1\t3\t\n"
                                                                      "ローブ\t3\t\t\t\t\t0\t0\t0\t0\t1\t2\t\n"
                                                                      "3件\n");
    EXPECT_EQ(
        run({"armour", "--skill", "攻撃", "--material", "竜骨", "--slot", "胴", "--click", "12", "--click", "12"}).out,
        "メイル\t25\t\t●\t\t●\t-5\t1\t0\t0\t3\t5\t1\n1件\n");
    EXPECT_EQ(run({"armour", "--slot", "腕"}).out, "0件\n");
}

TEST_F(ArmourCliTest, PrintsTheEvaluationWithCellColours) {
    const CliRun run = this->run({"evaluate", "--head", "ヘルム", "--body", "メイル", "--leg", "ブーツ"});
    EXPECT_EQ(run.status, cli::kExitOk);
    EXPECT_EQ(run.out, "防御力\t60\n生産価格\t1600\n火\t-7\n水\t1\n雷\t1\n龍\t0\n"
                       "スキル値\t頭\t胴\t腕\t腰\t脚\t計\n"
                       "胴系統倍加\tblue:E\tblue:\tblue:\tblue:\tblue:\tblue:-\n"
                       "攻撃\tblue:\tblue:10\tblue:\tblue:\tblue:3\tblue:13\n"
                       "火耐性\tblue:\tred:-12\tblue:\tblue:\tblue:\tred:-12\n"
                       "生産に必要な素材\t頭\t胴\t腕\t腰\t脚\t計\n"
                       "鉄鉱石\tblack:2\tblack:3\tblack:\tblack:\tblack:\tblack:5\n"
                       "竜骨\tblack:\tblack:1\tblack:\tblack:\tblack:1\tblack:2\n"
                       "発動スキル\n"
                       "攻撃力UP【小】\n"
                       "火耐性DOWN\n");
    EXPECT_EQ(this->run({"evaluate"}).out, "防御力\t0\n生産価格\t0\n火\t0\n水\t0\n雷\t0\n龍\t0\n"
                                           "スキル値\t頭\t胴\t腕\t腰\t脚\t計\n"
                                           "生産に必要な素材\t頭\t胴\t腕\t腰\t脚\t計\n"
                                           "発動スキル\n");
}

TEST_F(ArmourCliTest, RejectsBadArgumentsAndReportsLoadErrors) {
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{"skills", "extra"},
                                                      {"armour", "--slot", "首"},
                                                      {"armour", "--click", "13"},
                                                      {"armour", "--click", "x"},
                                                      {"armour", "--skill"},
                                                      {"evaluate", "--hand", "x"}})
        EXPECT_EQ(run(arguments).status, cli::kExitUsage) << arguments.back();

    dir.writeScrambled(QStringLiteral("guard.dat"), "<guard><skilllist><row><range_min>x</range_min></row>");
    const CliRun broken = run({"skills"});
    EXPECT_EQ(broken.status, cli::kExitFailure);
    EXPECT_NE(broken.err.find("trelkin-cli: "), std::string::npos) << broken.err;
    EXPECT_EQ(broken.out, "");
}

TEST_F(ArmourCliTest, CheckCountsSkillRowsAndPiecesPerSlot) {
    const CliRun run = this->run({"check"});
    EXPECT_NE(run.out.find("guard.dat: 4 skill rows, 1/2/0/0/1 pieces\n"), std::string::npos) << run.out;
}

} // namespace
} // namespace trelkin
