#include "core/lint/data_lint.h"
#include "support/scrambled_fixture.h"

#include <gtest/gtest.h>

namespace trelkin {
namespace {

using testing::sjis;

// A small, clean set of tables; each test adds one mistake.
struct CleanData {
    CleanData() {
        tables.PrepareDatas = {{1, "", sjis("回復薬"), sjis("薬草"), sjis("青茸"), 95, true, "1"},
                               {2, "", sjis("上回復薬"), sjis("回復薬"), sjis("蜂蜜"), 90, true, "1"}};
        tables.Armour.SkillDatas = {{sjis("攻撃"), sjis("攻撃力UP"), 10, 14, ""},
                                    {sjis("攻撃"), sjis("攻撃力UP大"), 15, 100, ""}};
        guard::TEquipmentData helm;
        helm.Name = sjis("鉄兜");
        helm.Skills = {{3, sjis("攻撃")}};
        helm.Materials = {{2, sjis("鉄鉱石")}};
        tables.Armour.HeadDatas = {helm};
        tables.Weapons = {weapon(sjis("骨剣"), ""), weapon(sjis("骨剣改"), sjis("骨剣"))};
        // Every material is named by two records, or made by a recipe.
        tables.Weapons[0].CreateMaterials = {
            {1, sjis("薬草")}, {1, sjis("青茸")}, {1, sjis("蜂蜜")}, {1, sjis("鉄鉱石")}};
    }

    static weapon::TWeaponData weapon(const std::string& name, const std::string& parent) {
        weapon::TWeaponData made;
        made.Type = sjis("片手剣");
        made.Name = name;
        made.ParentWeapon = parent;
        return made;
    }

    QStringList lines() const {
        QStringList lines;
        for (const LintEntry& entry : lintDataFiles(tables))
            lines << entry.line();
        return lines;
    }

    DataTables tables;
};

TEST(DataLintTest, CleanTablesHaveNoFindingAndNoNote) {
    EXPECT_EQ(CleanData().lines(), QStringList());
}

TEST(DataLintTest, FindsOrNotesEachKindOfOddityWhereItIs) {
    struct Case {
        const char* what;
        std::function<void(CleanData&)> spoil;
        const char* expected;
    };
    const Case cases[] = {
        {"a skill entry of no system",
         [](CleanData& t) {
             t.tables.Armour.HeadDatas[0].Skills.push_back({1, sjis("防御")});
         },
         "guard.dat: record 3 (鉄兜): the skill entry '防御' names no skill system of the skill list"},
        {"overlapping ranges", [](CleanData& t) { t.tables.Armour.SkillDatas[1].RangeMin = 14; },
         "guard.dat: record 2 (攻撃力UP大): note: the range 14..100 of skill system '攻撃' overlaps record 1 (10..14)"},
        {"two pieces of one name",
         [](CleanData& t) { t.tables.Armour.HeadDatas.push_back(t.tables.Armour.HeadDatas[0]); },
         "guard.dat: record 4 (鉄兜): a piece of the same name comes first in its slot (record 3); the armour "
         "composer only ever uses that one"},
        {"names differing in case",
         [](CleanData& t) {
             t.tables.Weapons[1].Materials = {{1, "Bone"}, {1, "BONE"}};
         },
         "weapon.dat: record 2 (骨剣改): note: material 'BONE' differs from 'Bone' (weapon.dat record 2) only in "
         "letter "
         "case; the program counts them as one"},
        {"a parent of no weapon", [](CleanData& t) { t.tables.Weapons[1].ParentWeapon = sjis("竜剣"); },
         "weapon.dat: record 2 (骨剣改): its parent '竜剣' names no weapon"},
        {"a weapon circle", [](CleanData& t) { t.tables.Weapons[0].ParentWeapon = sjis("骨剣改"); },
         "weapon.dat: record 1 (骨剣): the weapon is upgraded, through its parents, from itself"},
        {"a recipe circle", [](CleanData& t) { t.tables.PrepareDatas[0].Material2 = sjis("上回復薬"); },
         "prepare.dat: record 1 (回復薬): the item is made, through its materials, from itself"},
        {"a material one record names, twice",
         [](CleanData& t) {
             t.tables.Armour.HeadDatas[0].Materials.push_back({1, sjis("鉄鉱右")});
             t.tables.Armour.HeadDatas[0].Materials.push_back({2, sjis("鉄鉱右")});
         },
         "guard.dat: record 3 (鉄兜): note: the material '鉄鉱右' is named nowhere else: no recipe makes it, and no "
         "other "
         "recipe, piece or weapon uses it"},
        {"a number out of range", [](CleanData& t) { t.tables.PrepareDatas[1].No = 201; },
         "prepare.dat: record 2 (上回復薬): note: recipe number 201 lies outside 0..200 and is shown as 200"},
    };
    for (const Case& c : cases) {
        CleanData data;
        c.spoil(data);
        EXPECT_TRUE(data.lines().contains(QString::fromUtf8(c.expected)))
            << c.what << ": " << data.lines().join('\n').toStdString();
    }
}

TEST(DataLintTest, FindingsAndNotesComeByFileThenRecord) {
    CleanData data;
    data.tables.Weapons[1].ParentWeapon = sjis("竜剣");
    data.tables.PrepareDatas[1].No = -1;
    data.tables.Armour.SkillDatas[1].RangeMin = 12;
    data.tables.PrepareDatas[0].No = 300;
    const QStringList lines = data.lines();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("prepare.dat: record 1 ")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("prepare.dat: record 2 ")));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("guard.dat: record 2 ")));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("weapon.dat: record 2 ")));
}

} // namespace
} // namespace trelkin
