#include "support/window_fixture.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace trelkin {
namespace {

QString piece(const char* name, int def, const char* skills, const char* materials) {
    return QStringLiteral("<p><name>%1</name><rare>1</rare><def>%2</def>"
                          "<enableequipment m=\"Y\" f=\"Y\" s=\"Y\" g=\"\"/>"
                          "<attr fire=\"1\" water=\"-2\" thunder=\"0\" dragon=\"3\"/>"
                          "<production>100</production><materials>%3</materials><skill>%4</skill></p>")
        .arg(QString::fromUtf8(name))
        .arg(def)
        .arg(QString::fromUtf8(materials), QString::fromUtf8(skills));
}

// The set of the worked example: the torso-up head and arm make the body's points count three times.
QString guardDocument() {
    const QString torsoUp = QStringLiteral("<e val=\"1\">胴系統倍加</e>");
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><guard><skilllist>"
                          "<r><skill>攻撃</skill><name>攻撃力UP【小】</name><range_min>10</range_min>"
                          "<range_max>100</range_max><effect>攻撃力が上がる。</effect></r>"
                          "<r><skill>防御</skill><name>防御力DOWN【小】</name><range_min>-100</range_min>"
                          "<range_max>-5</range_max><effect>防御力が下がる。</effect></r>"
                          "</skilllist><armorlist><head>") +
           piece("鉄の兜", 10, "<e val=\"1\">胴系統倍加</e>", "<m num=\"2\">鉄鉱石</m>") +
           QStringLiteral("</head><body>") +
           piece("鉄の鎧", 20, "<e val=\"4\">攻撃</e><e val=\"-2\">防御</e>", "<m num=\"3\">鉄鉱石</m>") +
           QStringLiteral("</body><arm>") +
           piece("鉄の篭手", 5, "<e val=\"3\">攻撃</e>", "<m num=\"1\">獣骨</m>")
               .replace(QStringLiteral("</skill>"), torsoUp + QStringLiteral("</skill>")) +
           QStringLiteral("</arm><waist/><leg/></armorlist></guard>");
}

class ArmourPageTest : public testing::WindowTest {
protected:
    ArmourPageTest() {
        writeDataFiles({}, guardDocument(), {});
        openWindow();
    }

    QString text(const char* label) const { return find<QLabel>(label)->text(); }

    void choose(const char* selector, const QString& entry) const {
        auto* box = find<QComboBox>(selector);
        const int index = box->findText(entry);
        ASSERT_GE(index, 0) << entry.toStdString();
        box->setCurrentIndex(index);
    }

    QString cell(const char* grid, int row, int column) const {
        const QTableWidgetItem* item = find<QTableWidget>(grid)->item(row, column);
        return item ? item->text() : QString();
    }
};

TEST_F(ArmourPageTest, StartsWithFilledSelectorsAndAnEmptyDetailGroup) {
    EXPECT_EQ(find<QComboBox>("CB_HeadList")->count(), 2);
    EXPECT_EQ(find<QComboBox>("CB_HeadList")->currentIndex(), -1);
    EXPECT_EQ(find<QComboBox>("CB_AllSkill")->count(), 3);
    EXPECT_EQ(find<QComboBox>("CB_AllMaterial")->count(), 3);
    EXPECT_EQ(find<QTreeWidget>("ListView1")->topLevelItem(1)->text(2), QStringLiteral("-5以下"));
    EXPECT_EQ(text("Label43"), QStringLiteral("---"));
    EXPECT_EQ(text("Label74"), QStringLiteral("--"));
    EXPECT_EQ(text("LabelSearchCnt"), QStringLiteral("-----"));
    EXPECT_EQ(find<QTableWidget>("SkillGrid")->rowCount(), 1);
    EXPECT_EQ(find<QTableWidget>("SkillGrid")->horizontalHeaderItem(1)->text(), QString());
}

TEST_F(ArmourPageTest, ComposingTheWorkedExampleShowsTheTorsoUpRows) {
    choose("CB_HeadList", QStringLiteral("鉄の兜"));
    choose("CB_BodyList", QStringLiteral("鉄の鎧"));
    choose("CB_ArmList", QStringLiteral("鉄の篭手"));
    EXPECT_EQ(text("Label43"), QStringLiteral("35"));
    EXPECT_EQ(text("Label45"), QStringLiteral("300"));
    EXPECT_EQ(text("Label75"), QStringLiteral("-6"));
    EXPECT_EQ(cell("SkillGrid", 0, 0), QStringLiteral("胴系統倍加"));
    EXPECT_EQ(cell("SkillGrid", 0, 1), QStringLiteral("E"));
    EXPECT_EQ(cell("SkillGrid", 0, 6), QStringLiteral("-"));
    EXPECT_EQ(cell("SkillGrid", 1, 2), QStringLiteral("12"));
    EXPECT_EQ(cell("SkillGrid", 1, 6), QStringLiteral("15"));
    EXPECT_EQ(cell("SkillGrid", 2, 2), QStringLiteral("-6"));
    EXPECT_EQ(find<QTableWidget>("SkillGrid")->item(2, 2)->foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(find<QTableWidget>("SkillGrid")->item(1, 2)->foreground().color(), QColor(0, 0, 255));
    EXPECT_EQ(find<QTableWidget>("SkillGrid")->horizontalHeaderItem(6)->text(), QStringLiteral("計"));
    EXPECT_EQ(cell("MaterialGrid", 0, 6), QStringLiteral("5"));
    auto* skills = find<QListWidget>("ListBox5");
    ASSERT_EQ(skills->count(), 2);
    EXPECT_EQ(skills->item(0)->text(), QStringLiteral("攻撃力UP【小】"));

    // Emptying the head leaves the body and arm, with no blank row above them.
    choose("CB_HeadList", QString());
    EXPECT_EQ(text("Label43"), QStringLiteral("25"));
    EXPECT_EQ(cell("SkillGrid", 0, 2), QStringLiteral("8"));
}

TEST_F(ArmourPageTest, SearchListFiltersSortsAndShowsTheChosenPiece) {
    choose("CB_AllMaterial", QStringLiteral("鉄鉱石"));
    EXPECT_EQ(text("LabelSearchCnt"), QStringLiteral("2件"));
    auto* list = find<QTableView>("ListView2");
    ASSERT_EQ(list->model()->rowCount(), 2);
    EXPECT_EQ(list->model()->index(0, 0).data().toString(), QStringLiteral("鉄の兜"))
        << "descending byte order of the names first";
    list->horizontalHeader()->sectionClicked(1);
    EXPECT_EQ(list->model()->index(0, 1).data().toString(), QStringLiteral("20")) << "defence, larger first";

    list->selectRow(1);
    EXPECT_EQ(text("Label43"), QStringLiteral("10"));
    list->clearSelection();
    EXPECT_EQ(text("Label43"), QStringLiteral("---"));
    EXPECT_EQ(find<QListWidget>("ListBox5")->count(), 0);
}

using ArmourStartupTest = testing::WindowTest;

TEST_F(ArmourStartupTest, AMissingArmourFileLeavesTheRecipeViewsFilled) {
    m_dir.writeScrambledUtf8("prepare.dat", QStringLiteral("1,回復薬,薬草,青茸,95,説明。,調合,1"));
    openWindow();
    const QStringList errors = takeErrors();
    EXPECT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.value(0).contains(QStringLiteral("guard.dat")));
    EXPECT_EQ(find<QListWidget>("LBPrepare1")->count(), 2);
    EXPECT_EQ(find<QComboBox>("CB_HeadList")->count(), 0);
}

} // namespace
} // namespace trelkin
