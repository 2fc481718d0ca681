#include "core/data/common_weapon.h"
#include "core/text/error.h"
#include "support/scrambled_fixture.h"

#include <QDir>
#include <gtest/gtest.h>

namespace trelkin {
namespace {

using testing::DataDirectory;
using testing::sjis;
using weapon::TWeaponData;
using weapon::TWeaponDatas;

struct Load {
    TWeaponDatas weapons;
    std::string error; // empty when the load succeeded
};

Load loadFile(const QString& path) {
    Load load;
    try {
        weapon::LoadWeaponData(path, load.weapons);
    } catch (const Error& error) {
        load.error = error.message().toStdString();
    }
    return load;
}

// A document (UTF-8 without a declaration) whose weapon list holds the given elements.
Load loadWeapons(const std::string& elements) {
    DataDirectory dir;
    return loadFile(dir.writeScrambled(QStringLiteral("weapon.dat"),
                                       "<weapondata><weaponlist>" + elements + "</weaponlist></weapondata>"));
}

// A weapon element with an attack and whatever else is given.
std::string weaponElement(const std::string& name, const std::string& more = "") {
    return "<weapon><name>" + name + "</name><attack>100</attack>" + more + "</weapon>";
}

TEST(WeaponLoaderTest, ReadsEveryFieldAsCodePage932) {
    const std::string element = R"(<w>
        <type>片手剣</type><name>骨剣【鬼哭】</name><attack> $1F</attack>
        <additionaleffect><e value="180">火属性</e><e value="-5">防御力</e></additionaleffect>
        <sale>2400</sale><production>+2100</production>
        <creatematerials><m num="3">銀鉱石</m><m num="0x2">竜骨</m></creatematerials>
        <materials><m num="1">大鋏蟹の粘液</m></materials>
        <parentweapon>骨剣改</parentweapon></w>)";
    const Load load = loadWeapons(element);
    ASSERT_EQ(load.error, "");
    ASSERT_EQ(load.weapons.size(), 1u);
    const TWeaponData& w = load.weapons[0];
    EXPECT_EQ(w.Type, sjis("片手剣"));
    EXPECT_EQ(w.Name, sjis("骨剣【鬼哭】"));
    EXPECT_EQ(w.Attack, 31);
    ASSERT_EQ(w.Additionaleffects.size(), 2u);
    EXPECT_EQ(w.Additionaleffects[0].Name, sjis("火属性"));
    EXPECT_EQ(w.Additionaleffects[0].Value, 180);
    EXPECT_EQ(w.Additionaleffects[1].Value, -5);
    EXPECT_EQ(w.Sale, 2400);
    EXPECT_EQ(w.Production, 2100);
    ASSERT_EQ(w.CreateMaterials.size(), 2u);
    EXPECT_EQ(w.CreateMaterials[1].Name, sjis("竜骨"));
    EXPECT_EQ(w.CreateMaterials[1].Num, 2);
    ASSERT_EQ(w.Materials.size(), 1u);
    EXPECT_EQ(w.Materials[0].Name, sjis("大鋏蟹の粘液"));
    EXPECT_EQ(w.ParentWeapon, sjis("骨剣改"));
}

TEST(WeaponLoaderTest, AShiftJisDocumentIsDecodedAsItsDeclarationSays) {
    DataDirectory dir;
    const QString path = dir.writeScrambledUtf8(
        QStringLiteral("weapon.dat"), QStringLiteral("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n<d><weaponlist>"
                                                     "<w><name>ランス～改</name><attack>1</attack></w>"
                                                     "</weaponlist></d>\r\n\r\n\t\x01"));
    const Load load = loadFile(path);
    ASSERT_EQ(load.error, "") << "trailing blank lines and control characters are trimmed";
    ASSERT_EQ(load.weapons.size(), 1u);
    EXPECT_EQ(load.weapons[0].Name, sjis("ランス～改"));
}

TEST(WeaponLoaderTest, ChildOrderDoesNotMatterAndTheFirstOfANameCounts) {
    const Load ordered = loadWeapons("<w><type>大剣</type><name>A</name><attack>5</attack><sale>7</sale></w>");
    const Load shuffled = loadWeapons("<w><note><x/></note><sale>7</sale><attack>5</attack><name>A</name>"
                                      "<type>大剣</type><name>B</name><attack>oops</attack></w>");
    ASSERT_EQ(ordered.error, "");
    ASSERT_EQ(shuffled.error, "") << "a second attack and unknown children are never read";
    ASSERT_EQ(shuffled.weapons.size(), 1u);
    EXPECT_EQ(shuffled.weapons[0].Name, "A");
    EXPECT_EQ(shuffled.weapons[0].Type, ordered.weapons[0].Type);
    EXPECT_EQ(shuffled.weapons[0].Attack, 5);
    EXPECT_EQ(shuffled.weapons[0].Sale, 7);
}

TEST(WeaponLoaderTest, MissingPartsAndBadPricesReadAsEmptyOrZero) {
    const Load load =
        loadWeapons(weaponElement("A", "<sale>abc</sale><production/><additionaleffect/>") + weaponElement("A"));
    ASSERT_EQ(load.error, "");
    ASSERT_EQ(load.weapons.size(), 2u) << "two weapons of one name are both kept";
    for (const TWeaponData& w : load.weapons) {
        EXPECT_EQ(w.Name, "A");
        EXPECT_EQ(w.Type, "");
        EXPECT_EQ(w.Sale, 0) << "letters, empty text or no element at all read 0";
        EXPECT_EQ(w.Production, 0);
        EXPECT_TRUE(w.Additionaleffects.empty());
        EXPECT_TRUE(w.CreateMaterials.empty());
        EXPECT_TRUE(w.Materials.empty());
        EXPECT_EQ(w.ParentWeapon, "");
    }

    EXPECT_TRUE(loadWeapons("").weapons.empty());
    const Load noList = loadFile(DataDirectory().writeScrambled(QStringLiteral("weapon.dat"), "<d><other/></d>"));
    EXPECT_EQ(noList.error, "");
    EXPECT_TRUE(noList.weapons.empty());
}

TEST(WeaponLoaderTest, RequiredIntegersAndTextsStopTheLoadWithTheirMessage) {
    const struct {
        std::string element;
        std::string message;
    } cases[] = {
        {"<w><name>A</name><attack></attack><sale>1</sale></w>", "'' は整数ではありません"},
        {"<w><name>A</name></w>", "'' は整数ではありません"},
        {"<w><attack>12x</attack></w>", "'12x' は整数ではありません"},
        {weaponElement("A", R"(<additionaleffect><e>火属性</e></additionaleffect>)"), "'' は整数ではありません"},
        {weaponElement("A", R"(<additionaleffect><e value="強">火属性</e></additionaleffect>)"),
         "'強' は整数ではありません"},
        {weaponElement("A", R"(<creatematerials><m num="x">鉄</m></creatematerials>)"), "'x' は整数ではありません"},
        {weaponElement("A", R"(<materials><m>鉄</m></materials>)"), "'' は整数ではありません"},
        {weaponElement("<b>A</b>"), "要素は単純テキストノードを含んでいません"},
        {weaponElement("A", "<parentweapon>B<!-- note --></parentweapon>"), "要素は単純テキストノードを含んでいません"},
        {weaponElement("A", R"(<materials><m num="1"><i/></m></materials>)"),
         "要素は単純テキストノードを含んでいません"},
        {"<!-- a comment is a record too -->", "'' は整数ではありません"},
    };
    for (const auto& [element, message] : cases)
        EXPECT_EQ(loadWeapons(element).error, message) << element;
}

TEST(WeaponLoaderTest, AFailedLoadKeepsTheRecordsBeforeAndThePartOfTheFailingOne) {
    const Load load = loadWeapons(weaponElement("A") +
                                  R"(<w><type>双剣</type><name>B</name><attack>9</attack><sale>3</sale>
                                     <creatematerials><m num="1">鉄</m><m>骨</m></creatematerials></w>)" +
                                  weaponElement("C"));
    EXPECT_EQ(load.error, "'' は整数ではありません");
    ASSERT_EQ(load.weapons.size(), 3u);
    EXPECT_EQ(load.weapons[0].Name, "A");
    const TWeaponData& failing = load.weapons[1];
    EXPECT_EQ(failing.Name, "B");
    EXPECT_EQ(failing.Sale, 3);
    ASSERT_EQ(failing.CreateMaterials.size(), 2u);
    EXPECT_EQ(failing.CreateMaterials[0].Name, sjis("鉄"));
    EXPECT_EQ(failing.CreateMaterials[1].Name, sjis("骨")) << "the entry's name is read before its number";
    EXPECT_EQ(load.weapons[2].Name, "") << "records after the failure stay empty";
}

TEST(WeaponLoaderTest, FileAndParserFailuresCarryTheirMessages) {
    DataDirectory dir;
    const QString missing = QDir(dir.path()).filePath(QStringLiteral("weapon.dat"));
    EXPECT_EQ(loadFile(missing).error, "ファイル " + missing.toStdString() + " は開けません");

    const Load broken = loadFile(dir.writeScrambled(QStringLiteral("weapon.dat"), "<d><weaponlist></d>"));
    EXPECT_NE(broken.error.find("行"), std::string::npos) << broken.error;
    EXPECT_TRUE(loadFile(dir.writeScrambled(QStringLiteral("weapon.dat"), "")).error.size() > 0)
        << "a text without a root element";
}

} // namespace
} // namespace trelkin
