// Narrowing and extending a set search as a player does it on the page: a piece left out from a row's context menu,
// the torso-up box, and a skill chosen from the list of the ones that could still be added.
#include "core/text/cp932.h"
#include "gui/setsearch/set_search_page.h"
#include "gui/widgets/row_table_view.h"
#include "oracle/literal_set_search.h"
#include "support/find_widget.h"
#include "support/recorded_dialogs.h"
#include "support/scrambled_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace trelkin {
namespace {

using testing::sjis;

constexpr int kWaitMs = 10000;
const std::array<std::string, kArmourSlotCount> kSlotWords{"head", "body", "arm", "waist", "leg"};

guard::TEquipmentData piece(const std::string& name, std::vector<guard::TEquipmentSkillData> skills) {
    guard::TEquipmentData piece;
    piece.Name = name;
    piece.Def = 20;
    piece.Male = piece.Female = piece.Swordsman = piece.Gunner = true;
    piece.Skills = std::move(skills);
    return piece;
}

// Three pieces a slot with points in 攻撃 and 回避, and one torso-up head and arm: the worked example of the torso-up
// rule hides among the others.
ArmourTables tables() {
    ArmourTables tables;
    tables.SkillDatas = {{sjis("攻撃"), sjis("攻撃力UP【小】"), 10, 100, ""},
                         {sjis("回避"), sjis("回避性能UP"), 3, 100, ""},
                         {sjis("胴系統倍加"), sjis("胴系統倍加"), 1, 100, ""}};
    const auto torsoUp = guard::TEquipmentSkillData{1, sjis("胴系統倍加")};
    tables.HeadDatas = {piece("head0", {{2, sjis("回避")}}), piece("head1", {torsoUp}),
                        piece("head2", {{1, sjis("攻撃")}})};
    tables.BodyDatas = {piece("body0", {{4, sjis("攻撃")}}), piece("body1", {{1, sjis("回避")}}),
                        piece("body2", {{3, sjis("攻撃")}, {1, sjis("回避")}})};
    tables.ArmDatas = {piece("arm0", {{3, sjis("攻撃")}, torsoUp}), piece("arm1", {{2, sjis("回避")}}),
                       piece("arm2", {{5, sjis("攻撃")}})};
    tables.WaistDatas = {piece("waist0", {}), piece("waist1", {{1, sjis("回避")}})};
    tables.LegDatas = {piece("leg0", {}), piece("leg1", {{2, sjis("攻撃")}})};
    return tables;
}

class SetSearchNarrowingTest : public ::testing::Test {
protected:
    SetSearchNarrowingTest() : m_tables(tables()) {
        m_page.fillSkillSelectors(m_tables);
        m_page.resize(400, 600);
        m_page.show();
        m_dialogs.answerYes = true;
    }

    template <typename Widget> Widget* find(const char* name) {
        return testing::findWidget<Widget>(m_page, QString::fromLatin1(name));
    }

    void wish(const char* selector, const char* skill) {
        auto* box = find<QComboBox>(selector);
        box->setCurrentIndex(box->findText(QString::fromUtf8(skill)));
    }

    // Searches and waits for the search and what is counted after it.
    void search() {
        find<QPushButton>("Button1")->click();
        waitForTheEnd();
    }
    void waitForTheEnd() {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !m_page.isSearching(); }, kWaitMs));
        QTest::qWait(50);
        QApplication::processEvents();
    }

    std::uint64_t rows() { return find<ui::RowTableView>("SetResultTable")->rowCount(); }

    // Chooses an entry of the table's context menu on the first row, as a player would; gives the piece's name.
    std::string chooseFromRowMenu(const QString& startingWith) {
        auto* table = find<ui::RowTableView>("SetResultTable");
        table->setCurrentRow(0);
        QString chosen;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* action : menu->actions())
                if (chosen.isEmpty() && action->text().startsWith(startingWith)) {
                    chosen = action->text();
                    action->trigger();
                }
            menu->close();
        });
        emit table->customContextMenuRequested(QPoint(5, 5));
        EXPECT_FALSE(chosen.isEmpty()) << startingWith.toStdString();
        // "この腕防具だけを使う: arm1 (12件のセット)"
        return chosen.section(QStringLiteral(": "), 1).section(u' ', 0, 0).toStdString();
    }

    ArmourTables m_tables;
    SetSearchPage m_page;
    testing::RecordedDialogs m_dialogs;
};

TEST_F(SetSearchNarrowingTest, ARowsMenuLeavesItsHeadOutAndAllClearedBringsItBack) {
    wish("ComboBox1", "回避性能UP");
    search();
    const std::uint64_t all = rows();
    SetSearchQuery query;
    query.WantedSkills[0] = sjis("回避性能UP");
    ASSERT_EQ(all, oracle::literalSets(m_tables, query).size());

    chooseFromRowMenu(QStringLiteral("この頭防具を除外: head2"));
    waitForTheEnd();
    query.Excluded[slotIndex(ArmourSlot::Head)] = {"head2"};
    EXPECT_EQ(rows(), oracle::literalSets(m_tables, query).size());
    EXPECT_LT(rows(), all) << "the count drops";

    find<QPushButton>("ClearNarrowing")->click();
    waitForTheEnd();
    EXPECT_EQ(rows(), all);

    const std::string arm = chooseFromRowMenu(QStringLiteral("この腕防具だけを使う: "));
    waitForTheEnd();
    query.Excluded = {};
    query.Pinned[slotIndex(ArmourSlot::Arm)] = {arm};
    EXPECT_EQ(rows(), oracle::literalSets(m_tables, query).size());
}

TEST_F(SetSearchNarrowingTest, TheTorsoUpBoxFindsTheSetThatTheComposerShowsWithTheSkill) {
    wish("ComboBox1", "攻撃力UP【小】");
    search();
    SetSearchQuery query;
    query.WantedSkills[0] = sjis("攻撃力UP【小】");
    EXPECT_EQ(rows(), oracle::literalSets(m_tables, query).size());

    find<QCheckBox>("SetSearchTorsoUp")->setChecked(true);
    search();
    query.TorsoUp = true;
    const std::vector<oracle::LiteralSet> sets = oracle::literalSets(m_tables, query);
    EXPECT_EQ(rows(), sets.size());
    // head1, body0 and arm0 make the worked example: 4 x 3 + 3 points of 攻撃 by the torso-up rule alone.
    const bool example = std::any_of(sets.begin(), sets.end(), [](const oracle::LiteralSet& set) {
        return set.pieces[0] == 1 && set.pieces[1] == 0 && set.pieces[2] == 0 && set.pieces[4] == 0;
    });
    EXPECT_TRUE(example);
}

TEST_F(SetSearchNarrowingTest, ChoosingAnExtraSkillAddsItToTheWishesAndSearchesAgain) {
    wish("ComboBox1", "回避性能UP");
    search();
    auto* extra = find<QListWidget>("ExtraSkillList");
    ASSERT_TRUE(QTest::qWaitFor([&] { return extra->count() > 0; }, kWaitMs));
    EXPECT_TRUE(extra->item(0)->text().startsWith(QStringLiteral("攻撃力UP【小】"))) << "the only one left";
    emit extra->itemActivated(extra->item(0));
    waitForTheEnd();
    EXPECT_EQ(find<QComboBox>("ComboBox2")->currentText(), QStringLiteral("攻撃力UP【小】"));
    SetSearchQuery query;
    query.WantedSkills = {sjis("回避性能UP"), sjis("攻撃力UP【小】"), ""};
    EXPECT_EQ(rows(), oracle::literalSets(m_tables, query).size());
}

} // namespace
} // namespace trelkin
