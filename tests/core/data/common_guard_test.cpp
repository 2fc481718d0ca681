#include "core/data/armour_tables.h"
#include "core/text/error.h"
#include "support/scrambled_fixture.h"

#include <gtest/gtest.h>

namespace trelkin {
namespace {

using guard::TEquipmentData;
using testing::DataDirectory;
using testing::sjis;

// A piece with every field the loader requires and nothing else.
std::string minimalPiece(const std::string& name) {
    return "<p><name>" + name +
           "</name><rare>1</rare><def>1</def><attr fire=\"0\" water=\"0\" thunder=\"0\" dragon=\"0\"/>"
           "<production>0</production></p>";
}

std::string skillRow(const std::string& skill, const std::string& name, int min, int max) {
    return "<row><skill>" + skill + "</skill><name>" + name + "</name><range_min>" + std::to_string(min) +
           "</range_min><range_max>" + std::to_string(max) + "</range_max><effect>e</effect></row>";
}

// A document (UTF-8, no declaration) with the given skill rows and slot contents, head to leg.
std::string guardXml(const std::string& skillRows, const std::array<std::string, kArmourSlotCount>& slotContents) {
    const char* names[] = {"head", "body", "arm", "waist", "leg"};
    std::string armour;
    for (size_t i = 0; i < slotContents.size(); ++i)
        armour += "<" + std::string(names[i]) + ">" + slotContents[i] + "</" + names[i] + ">";
    return "<guard><skilllist>" + skillRows + "</skilllist><armorlist>" + armour + "</armorlist></guard>";
}

struct Load {
    ArmourTables tables;
    std::string error; // empty when the load succeeded
};

Load loadFile(const QString& path, ArmourTables tables = {}) {
    Load load{std::move(tables), {}};
    try {
        loadArmourTables(path, load.tables);
    } catch (const Error& error) {
        load.error = error.message().toStdString();
    }
    return load;
}

Load loadText(const std::string& plain, ArmourTables tables = {}) {
    DataDirectory dir;
    return loadFile(dir.writeScrambled(QStringLiteral("guard.dat"), plain), std::move(tables));
}

Load loadHead(const std::string& pieces) {
    return loadText(guardXml("", {pieces, "", "", "", ""}));
}

TEST(GuardLoaderTest, ReadsEveryFieldOfSkillRowsAndPieces) {
    const std::string piece = R"(<piece><materials><m num="2">鉄鉱石</m><m num="x1">竜骨</m></materials>
        <name>レザーヘルム</name><rare>3</rare><def> 12</def><sale>800</sale><production>1500</production>
        <enableequipment m="Y" f="y" s="Y" g="N"/><attr fire="-10" water="+2" thunder="0" dragon="$10"/>
        <skill><s val="4">攻撃</s><s val="-2">防御</s></skill></piece>)";
    const Load load = loadText(guardXml(skillRow("攻撃", "攻撃力UP【小】", 10, 14), {piece, "", "", "", ""}));
    ASSERT_EQ(load.error, "");
    ASSERT_EQ(load.tables.SkillDatas.size(), 1u);
    const guard::TSkillData& skill = load.tables.SkillDatas[0];
    EXPECT_EQ(skill.Skill, sjis("攻撃"));
    EXPECT_EQ(skill.Name, sjis("攻撃力UP【小】"));
    EXPECT_EQ(skill.RangeMin, 10);
    EXPECT_EQ(skill.RangeMax, 14);
    EXPECT_EQ(skill.Effect, "e");

    ASSERT_EQ(load.tables.HeadDatas.size(), 1u);
    const TEquipmentData& head = load.tables.HeadDatas[0];
    EXPECT_EQ(head.Name, sjis("レザーヘルム"));
    EXPECT_EQ(head.Rare, 3);
    EXPECT_EQ(head.Def, 12);
    EXPECT_TRUE(head.Male);
    EXPECT_FALSE(head.Female) << "only an exact \"Y\" grants a flag";
    EXPECT_TRUE(head.Swordsman);
    EXPECT_FALSE(head.Gunner);
    EXPECT_EQ(head.Fire, -10);
    EXPECT_EQ(head.Water, 2);
    EXPECT_EQ(head.Thunder, 0);
    EXPECT_EQ(head.Dragon, 16);
    EXPECT_EQ(head.Sale, 800);
    EXPECT_EQ(head.Production, 1500);
    ASSERT_EQ(head.Materials.size(), 2u);
    EXPECT_EQ(head.Materials[0].Name, sjis("鉄鉱石"));
    EXPECT_EQ(head.Materials[0].Num, 2);
    EXPECT_EQ(head.Materials[1].Num, 1);
    ASSERT_EQ(head.Skills.size(), 2u);
    EXPECT_EQ(head.Skills[1].Name, sjis("防御"));
    EXPECT_EQ(head.Skills[1].Val, -2);
}

TEST(GuardLoaderTest, MissingOptionalPartsGiveEmptyValues) {
    const Load load = loadHead(minimalPiece("") + R"(<p><rare>1</rare><def>1</def><sale>abc</sale>
        <attr fire="0" water="0" thunder="0" dragon="0"/><production>0</production><materials/><skill></skill></p>)");
    ASSERT_EQ(load.error, "");
    ASSERT_EQ(load.tables.HeadDatas.size(), 2u);
    for (const TEquipmentData& piece : load.tables.HeadDatas) {
        EXPECT_EQ(piece.Name, "");
        EXPECT_EQ(piece.Sale, guard::kNoSale) << "a missing or bad sale price is no error";
        EXPECT_FALSE(piece.Male || piece.Female || piece.Swordsman || piece.Gunner);
        EXPECT_TRUE(piece.Materials.empty());
        EXPECT_TRUE(piece.Skills.empty());
    }

    const Load bare = loadText("<guard><armorlist><body>" + minimalPiece("b") + "</body></armorlist></guard>");
    ASSERT_EQ(bare.error, "");
    EXPECT_TRUE(bare.tables.SkillDatas.empty());
    EXPECT_TRUE(bare.tables.HeadDatas.empty());
    EXPECT_EQ(bare.tables.BodyDatas.size(), 1u);
    EXPECT_EQ(loadText("<guard/>").error, "");
}

TEST(GuardLoaderTest, RequiredIntegersAndTextsStopTheLoadWithTheirMessage) {
    const std::string attr = R"(<attr fire="0" water="0" thunder="0" dragon="0"/>)";
    const struct {
        std::string piece;
        std::string message;
    } cases[] = {
        {"<p><rare>1</rare><def>1</def>" + attr + "<production>abc</production></p>", "'abc' は整数ではありません"},
        {"<p><def>1</def>" + attr + "<production>0</production></p>", "'' は整数ではありません"},
        {"<p><rare>1</rare><def>1</def><production>0</production></p>", "'' は整数ではありません"},
        {"<p><rare>1</rare><def>1</def><attr fire=\"0\" water=\"0\" dragon=\"0\"/><production>0</production></p>",
         "'' は整数ではありません"},
        {"<p><rare>1</rare><def>99999999999</def></p>", "'99999999999' は整数ではありません"},
        {"<p><name><b>x</b></name></p>", "要素は単純テキストノードを含んでいません"},
    };
    for (const auto& [piece, message] : cases)
        EXPECT_EQ(loadHead(piece).error, message) << piece;

    const std::string withMaterial = minimalPiece("x").insert(3, R"(<materials><m>A</m></materials>)");
    EXPECT_EQ(loadHead(withMaterial).error, "'' は整数ではありません") << "a missing num";
    const std::string withSkill = minimalPiece("x").insert(3, R"(<skill><s val="">A</s></skill>)");
    EXPECT_EQ(loadHead(withSkill).error, "'' は整数ではありません") << "an empty val";
    EXPECT_EQ(loadText(guardXml("<row><skill>s</skill><range_max>1</range_max></row>", {})).error,
              "'' は整数ではありません");
}

TEST(GuardLoaderTest, AnErrorLeavesTheTablesAsFarAsTheyWereRead) {
    const std::string failing = "<p><name>bad</name><rare>2</rare><def>?</def></p>";
    ArmourTables filled;
    filled.LegDatas.resize(4);
    filled.SkillDatas.resize(7);
    const Load load = loadText(
        guardXml(skillRow("s", "n", 1, 2), {minimalPiece("h"), minimalPiece("b1") + failing + minimalPiece("b3"),
                                            minimalPiece("a"), "", minimalPiece("l")}),
        filled);
    EXPECT_EQ(load.error, "'?' は整数ではありません");
    EXPECT_EQ(load.tables.SkillDatas.size(), 1u) << "the skill table is replaced";
    EXPECT_EQ(load.tables.HeadDatas.size(), 1u);
    ASSERT_EQ(load.tables.BodyDatas.size(), 3u);
    EXPECT_EQ(load.tables.BodyDatas[0].Name, "b1");
    EXPECT_EQ(load.tables.BodyDatas[1].Name, "bad");
    EXPECT_EQ(load.tables.BodyDatas[1].Rare, 2);
    EXPECT_EQ(load.tables.BodyDatas[1].Def, 0);
    EXPECT_EQ(load.tables.BodyDatas[2].Name, "") << "pieces after the failing one stay unread";
    EXPECT_EQ(load.tables.BodyDatas[2].Rare, 0);
    EXPECT_TRUE(load.tables.ArmDatas.empty());
    EXPECT_TRUE(load.tables.LegDatas.empty()) << "later slotContents end up empty even when they held records";
}

TEST(GuardLoaderTest, EveryChildNodeOfAListCountsAsARow) {
    const Load load = loadHead(minimalPiece("x").insert(3, R"(<materials><!-- spare --><m num="1">A</m></materials>)"));
    EXPECT_EQ(load.error, "'' は整数ではありません") << "the comment is read as a material without a count";
    ASSERT_EQ(load.tables.HeadDatas.size(), 1u);
    ASSERT_EQ(load.tables.HeadDatas[0].Materials.size(), 2u);
    EXPECT_EQ(load.tables.HeadDatas[0].Materials[0].Name, "");

    const Load rows = loadText(guardXml("<!-- none -->", {}));
    EXPECT_EQ(rows.error, "'' は整数ではありません");
    EXPECT_EQ(rows.tables.SkillDatas.size(), 1u);
}

TEST(GuardLoaderTest, KeepsDuplicateNamesWithinAndAcrossSlotsInDocumentOrder) {
    const Load load = loadText(guardXml(skillRow("s", "n", 1, 2) + skillRow("s", "n", 1, 2),
                                        {minimalPiece("a") + minimalPiece("a"), minimalPiece("a"), "", "", ""}));
    ASSERT_EQ(load.error, "");
    EXPECT_EQ(load.tables.SkillDatas.size(), 2u);
    EXPECT_EQ(load.tables.HeadDatas.size(), 2u);
    EXPECT_EQ(load.tables.BodyDatas.size(), 1u);
}

TEST(GuardLoaderTest, ReadsAShiftJisDeclaredDocument) {
    DataDirectory dir;
    const QString path = dir.writeScrambledUtf8(
        QStringLiteral("guard.dat"), QStringLiteral("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n") +
                                         QString::fromStdString(guardXml(skillRow("①", "～", -100, 100),
                                                                         {minimalPiece("ヘルム①"), "", "", "", ""})));
    const Load load = loadFile(path);
    ASSERT_EQ(load.error, "");
    EXPECT_EQ(load.tables.SkillDatas[0].Skill, sjis("①"));
    EXPECT_EQ(load.tables.SkillDatas[0].Name, sjis("～"));
    EXPECT_EQ(load.tables.HeadDatas[0].Name, sjis("ヘルム①"));
}

TEST(GuardLoaderTest, ReportsUnreadableAndMalformedFiles) {
    DataDirectory dir;
    const QString missing = dir.filePath(QStringLiteral("guard.dat"));
    EXPECT_EQ(loadFile(missing).error, "ファイル " + missing.toStdString() + " は開けません");
    EXPECT_EQ(loadText("<guard>\n<skilllist></guard>").error,
              "guard.dat: Opening and ending tag mismatch. (2 行 19 列)")
        << "a parser's message names the file";
}

} // namespace
} // namespace trelkin
