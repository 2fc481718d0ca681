#include "cli/cli_app.h"
#include "support/cli_run.h"
#include "support/scrambled_fixture.h"

#include <gtest/gtest.h>

namespace trelkin {
namespace {

using testing::CliRun;

using testing::DataDirectory;

constexpr const char* kWeaponXml = R"(<?xml version="1.0" encoding="UTF-8"?>
<d><weaponlist>
  <w><type>片手剣</type><name>骨剣</name><attack>120</attack><sale>500</sale>
     <creatematerials><m num="3">竜骨</m></creatematerials></w>
  <w><type>双剣</type><name>骨双剣</name><attack>300</attack><parentweapon>骨剣改</parentweapon>
     <additionaleffect><e value="180">火属性</e><e value="10">防御力</e></additionaleffect></w>
  <w><type>片手剣</type><name>骨剣改</name><attack>240</attack><parentweapon>骨剣</parentweapon>
     <additionaleffect><e value="5">防御力</e></additionaleffect><production>900</production>
     <materials><m num="2">素材名</m></materials></w>
</weaponlist></d>)";

class WeaponCliTest : public ::testing::Test {
protected:
    WeaponCliTest() { dir.writeScrambled(QStringLiteral("weapon.dat"), kWeaponXml); }

    CliRun run(const std::vector<std::string>& arguments) const { return testing::runCli(arguments, dir.path()); }

    DataDirectory dir;
};

TEST_F(WeaponCliTest, PrintsAClassTreeWithIconAndBarIndexes) {
    const CliRun swords = run({"weapon-tree", "片手剣"});
    EXPECT_EQ(swords.status, cli::kExitOk) << swords.err;
    EXPECT_EQ(swords.out, "骨剣\t1\t-1\n"
                          "  骨剣改\t1\t0\n"
                          "    骨双剣\t2\t8\n");
    EXPECT_EQ(run({"weapon-tree", "双剣"}).out, "骨双剣\t2\t8\n");
    EXPECT_EQ(run({"weapon-tree", "弓"}).out, "");
}

TEST_F(WeaponCliTest, PrintsTheDetailPanelOfAWeapon) {
    const CliRun shown = run({"weapon", "2"});
    EXPECT_EQ(shown.status, cli::kExitOk) << shown.err;
    EXPECT_EQ(shown.out, "名称：\t骨剣改\n"
                         "タイプ：\t片手剣\n"
                         "攻撃力：\t240\n"
                         "追加属性：\n"
                         "  防御力(5)\n"
                         "生産価格：\t0\n"
                         "生産素材：\n"
                         "強化元の武器：\t骨剣\n"
                         "強化価格：\t900\n"
                         "強化素材：\n"
                         "  素材名(2)\n");
}

TEST_F(WeaponCliTest, RejectsBadArgumentsAndReportsABrokenFile) {
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{"weapon-tree"},
                                                      {"weapon-tree", "a", "b"},
                                                      {"weapon"},
                                                      {"weapon", "x"},
                                                      {"weapon", "-1"},
                                                      {"weapon", "3"}})
        EXPECT_EQ(run(arguments).status, cli::kExitUsage) << arguments.back();

    dir.writeScrambled(QStringLiteral("weapon.dat"), "<d><weaponlist><w><attack>y</attack></w></weaponlist></d>");
    const CliRun broken = run({"weapon", "0"});
    EXPECT_EQ(broken.status, cli::kExitFailure);
    EXPECT_EQ(broken.err, "trelkin-cli: 'y' は整数ではありません.\n");
    EXPECT_EQ(broken.out, "");
}

TEST_F(WeaponCliTest, CheckCountsTheWeapons) {
    const CliRun checked = run({"check"});
    EXPECT_NE(checked.out.find("weapon.dat: 3 weapons\n"), std::string::npos) << checked.out;
}

} // namespace
} // namespace trelkin
