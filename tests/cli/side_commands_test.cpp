#include "cli/cli_app.h"
#include "core/side/side_addresses.h"
#include "support/cli_run.h"
#include "support/scrambled_fixture.h"

#include <QUrl>
#include <QUrlQuery>
#include <gtest/gtest.h>

namespace trelkin {
namespace {

using testing::CliRun;
using testing::DataDirectory;
using testing::sjis;

constexpr const char* kGuardXml = R"(<?xml version="1.0" encoding="Shift_JIS"?>
<guard><skilllist/><armorlist><head>
  <p><name>兜</name><rare>1</rare><def>1</def><attr fire="0" water="0" thunder="0" dragon="0"/>
    <production>1</production><materials><m num="1">Bone</m><m num="2">回復薬</m></materials><skill/></p>
</head></armorlist></guard>)";

constexpr const char* kWeaponXml = R"(<?xml version="1.0" encoding="Shift_JIS"?>
<weapondata><weaponlist><weapon>
  <type>大剣</type><name>剣</name><attack>1</attack><additionaleffect/><sale>1</sale><production>0</production>
  <creatematerials><material num="1">BONE</material></creatematerials>
  <materials><material num="1">牙</material></materials><parentweapon/>
</weapon></weaponlist></weapondata>)";

CliRun run(const DataDirectory& dir, const std::vector<std::string>& arguments) {
    return testing::runCli(arguments, dir.path());
}

// The three lines of a report run without their labels.
std::vector<std::string> reportLines(const CliRun& run) {
    std::vector<std::string> lines;
    std::istringstream text(run.out);
    for (std::string line; std::getline(text, line);)
        lines.push_back(line.substr(line.find('\t') + 1));
    return lines;
}

class SideCliTest : public ::testing::Test {
protected:
    SideCliTest() {
        dir.writeScrambled("prepare.dat", sjis("1,回復薬,薬草,bone,95,説明,調合,1"));
        dir.writeScrambledUtf8(QStringLiteral("guard.dat"), QString::fromUtf8(kGuardXml));
        dir.writeScrambledUtf8(QStringLiteral("weapon.dat"), QString::fromUtf8(kWeaponXml));
    }

    DataDirectory dir;
};

TEST_F(SideCliTest, ItemsListsEveryNameOnceThenTheCount) {
    const CliRun items = run(dir, {"items"});
    EXPECT_EQ(items.status, cli::kExitOk);
    EXPECT_EQ(items.out, "bone\n牙\n回復薬\n薬草\n4件\n") << "the recipe's spelling of bone is kept";
}

TEST_F(SideCliTest, ItemsReportsAMissingWeaponFile) {
    QFile::remove(dir.filePath(QStringLiteral("weapon.dat")));
    const CliRun items = run(dir, {"items"});
    EXPECT_EQ(items.status, cli::kExitFailure);
    EXPECT_EQ(items.out, "");
    EXPECT_NE(items.err.find("weapon.dat は開けません."), std::string::npos) << items.err;
    EXPECT_EQ(run(dir, {"items", "x"}).status, cli::kExitUsage);
}

TEST_F(SideCliTest, ReportPrintsBodyComposedUrlAndEncodedUrl) {
    const CliRun report =
        run(dir, {"report", "--slot", "腕", "--name", "&body=x#y%", "--def", "-3", "--rare", "x", "--no-female",
                  "--material", "   ", "5", "--material", "鉄鉱石", "0", "--skill", "攻撃", "2"});
    ASSERT_EQ(report.status, cli::kExitOk) << report.err;
    const std::vector<std::string> lines = reportLines(report);
    ASSERT_EQ(lines.size(), 3u);
    const std::string body = "【装備箇所】腕%0D%0A【名称】&body=x#y%%0D%0A【防御力】-3%0D%0A【RARE】0%0D%0A%0D%0A"
                             "【装備可能者】%0D%0A■男%0D%0A□女%0D%0A■剣士%0D%0A■ガンナー%0D%0A%0D%0A【属性】%0D%0A"
                             "火：0 水：0 雷：0 龍：0%0D%0A【生産価格】0%0D%0A%0D%0A【生産素材】%0D%0A鉄鉱石(0)%0D%0A"
                             "%0D%0A【スキル】%0D%0A攻撃(2)%0D%0A";
    EXPECT_EQ(lines[0], body);
    EXPECT_EQ(lines[1], "mailto:" + reportAddress().toStdString() + "?subject=防具情報提供 【腕】&body=" + body);

    const QUrlQuery query(QUrl(QString::fromStdString(lines[2]), QUrl::StrictMode));
    EXPECT_EQ(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
              QStringLiteral("防具情報提供 【腕】"));
    EXPECT_EQ(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded),
              QString::fromStdString(body).replace(QStringLiteral("%0D%0A"), QStringLiteral("\r\n")));
}

TEST_F(SideCliTest, ReportRefusesWrongOptions) {
    EXPECT_EQ(run(dir, {"report", "--slot", "全て"}).status, cli::kExitUsage);
    EXPECT_EQ(run(dir, {"report", "--material", "a"}).status, cli::kExitUsage);
    EXPECT_EQ(run(dir, {"report", "--colour", "red"}).status, cli::kExitUsage);
    std::vector<std::string> sixSkills{"report"};
    for (int row = 0; row < 6; ++row)
        sixSkills.insert(sixSkills.end(), {"--skill", "s", "1"});
    EXPECT_EQ(run(dir, sixSkills).status, cli::kExitUsage);
    sixSkills.resize(sixSkills.size() - 3);
    EXPECT_EQ(run(dir, sixSkills).status, cli::kExitOk);
}

TEST(LintCommandTest, ReportsAFindingALineAndSaysSoInItsStatus) {
    DataDirectory dir;
    dir.writeScrambledUtf8(QStringLiteral("prepare.dat"),
                           QStringLiteral("1,回復薬,薬草,青茸,95,説明。,調合,1\n2,解毒薬,薬草,青茸,90,説明。,調合,1"));
    dir.writeScrambled("guard.dat", "<guard/>");
    // The weapon file is UTF-8, as its missing declaration says.
    dir.writeScrambled("weapon.dat",
                       "<d><weaponlist><w><type>片手剣</type><name>骨剣</name><attack>1</attack></w></weaponlist></d>");
    const CliRun clean = testing::runCli({"lint", "--data-dir", dir.path().toStdString()});
    EXPECT_EQ(clean.status, cli::kExitOk);
    EXPECT_EQ(clean.out, "");

    dir.writeScrambled("weapon.dat", "<d><weaponlist><w><type>片手剣</type><name>骨剣</name><attack>1</attack>"
                                     "<parentweapon>竜剣</parentweapon></w></weaponlist></d>");
    const CliRun found = testing::runCli({"lint"}, dir.path());
    EXPECT_EQ(found.status, cli::kExitFailure);
    EXPECT_EQ(found.out, "weapon.dat: record 1 (骨剣): its parent '竜剣' names no weapon\n");
}

TEST(LintCommandTest, NotesAloneFailOnlyWhenStrict) {
    DataDirectory dir;
    dir.writeScrambledUtf8(QStringLiteral("prepare.dat"), QStringLiteral("300,回復薬,薬草,青茸,95,説明。,調合,1"));
    dir.writeScrambled("guard.dat", "<guard/>");
    dir.writeScrambled("weapon.dat", "<d/>");
    const std::string notes = "prepare.dat: record 1 (回復薬): note: recipe number 300 lies outside 0..200 and is "
                              "shown as 200\n"
                              "prepare.dat: record 1 (回復薬): note: the material '青茸' is named nowhere else: no "
                              "recipe makes it, and no other recipe, piece or weapon uses it\n"
                              "prepare.dat: record 1 (回復薬): note: the material '薬草' is named nowhere else: no "
                              "recipe makes it, and no other recipe, piece or weapon uses it\n";
    const CliRun lenient = testing::runCli({"lint"}, dir.path());
    EXPECT_EQ(lenient.status, cli::kExitOk);
    EXPECT_EQ(lenient.out, notes);
    const CliRun strict = testing::runCli({"lint", "--strict"}, dir.path());
    EXPECT_EQ(strict.status, cli::kExitFailure);
    EXPECT_EQ(strict.out, notes);
}

TEST(LintCommandTest, TheDemoDataPassesWithNotesOfItsDocumentedOddities) {
    const CliRun demo = testing::runCli({"lint"}, QStringLiteral(TRELKIN_RUNTIME_DIR));
    EXPECT_EQ(demo.status, cli::kExitOk);
    const QStringList lines = QString::fromStdString(demo.out).split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    for (const QString& line : lines)
        EXPECT_TRUE(line.contains(QStringLiteral(": note: ")) &&
                    (line.contains(QStringLiteral("lies outside 0..200")) ||
                     line.contains(QStringLiteral("overlaps record")) ||
                     line.contains(QStringLiteral("is named nowhere else"))))
            << line.toStdString() << " is not one of the oddities data/demo/README.md names";
}

} // namespace
} // namespace trelkin
