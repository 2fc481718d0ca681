// The set search's result table as a player meets it on the demo data: a search with one wish, a click on a sum's
// header, the keyboard through the rows, a copy, and Enter to the armour composer.
#include "core/data/data_file_path.h"
#include "core/text/cp932.h"
#include "gui/widgets/flat_button_pages.h"
#include "gui/widgets/row_table_view.h"
#include "oracle/literal_set_search.h"
#include "support/window_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <algorithm>

namespace trelkin {
namespace {

constexpr int kArmourTab = 1;
constexpr int kSetSearchPage = 3;
constexpr int kDefenceColumn = 5;
constexpr int kPriceColumn = 10;
constexpr int kPiecesPerSlot = 4;
const QString kWish = QStringLiteral("攻撃力+1");

// Four pieces a slot, for everyone, with defences that tie now and then, and one point of 攻撃 on some; 攻撃力+1
// activates at two to three points.
QString guardXml() {
    QString slotElements;
    const QStringList slotNames{"head", "body", "arm", "waist", "leg"};
    for (qsizetype slot = 0; slot < slotNames.size(); ++slot) {
        slotElements += QStringLiteral("<%1>").arg(slotNames[slot]);
        for (int i = 0; i < kPiecesPerSlot; ++i)
            slotElements += QStringLiteral("<p><name>%1の防具%2</name><rare>1</rare><def>%3</def>"
                                           "<enableequipment m=\"Y\" f=\"Y\" s=\"Y\" g=\"Y\"/>"
                                           "<attr fire=\"%4\" water=\"0\" thunder=\"1\" dragon=\"-1\"/>"
                                           "<production>%5</production><skill><s val=\"%6\">攻撃</s></skill></p>")
                                .arg(QStringLiteral("頭胴腕腰脚")[slot])
                                .arg(i)
                                .arg(15 + (i * 7 + int(slot)) % 5)
                                .arg(i % 3 - 1)
                                .arg(100 * (1 + (i + int(slot)) % 4))
                                .arg(i % 2);
        slotElements += QStringLiteral("</%1>").arg(slotNames[slot]);
    }
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><guard><skilllist><r><skill>攻撃</skill>"
                          "<name>攻撃力+1</name><range_min>2</range_min><range_max>3</range_max><effect>e</effect></r>"
                          "</skilllist><armorlist>%1</armorlist></guard>")
        .arg(slotElements);
}

class SetResultTableTest : public testing::WindowTest {
protected:
    SetResultTableTest() {
        writeDataFiles({}, guardXml(), {});
        openWindow();
        form().pages()->setCurrentIndex(kArmourTab);
        find<ui::FlatButtonPages>("PageControl3")->setCurrentIndex(kSetSearchPage);
        auto* wish = find<QComboBox>("ComboBox1");
        wish->setCurrentIndex(wish->findText(kWish));
        find<QPushButton>("Button1")->click();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !m_dialogs.informations.isEmpty(); }, 10000));
        m_table = find<ui::RowTableView>("SetResultTable");
        m_armour = armourTables();
    }

    ArmourTables armourTables() const {
        ArmourTables tables;
        loadArmourTables(dataFilePathIn(m_dir.path(), kGuardFileName), tables);
        return tables;
    }

    // The literal search's sets, highest total defence first, ties in loop order, as the table copies them: the
    // names, the six sums and the activated skills, separated by tabs.
    QStringList literalLinesByDefence() const {
        SetSearchQuery query;
        query.WantedSkills[0] = toCp932(kWish);
        std::vector<oracle::LiteralSet> sets = oracle::literalSets(m_armour, query);
        const auto defence = [&](const oracle::LiteralSet& set) {
            int total = 0;
            for (const ArmourSlot slot : kArmourSlots)
                total += m_armour.slotTable(slot)[set.pieces[slotIndex(slot)]].Def;
            return total;
        };
        std::stable_sort(sets.begin(), sets.end(),
                         [&](const auto& a, const auto& b) { return defence(a) > defence(b); });
        QStringList lines;
        for (const oracle::LiteralSet& set : sets) {
            QStringList cells;
            std::array<int, 6> sums{};
            for (const ArmourSlot slot : kArmourSlots) {
                const guard::TEquipmentData& piece = m_armour.slotTable(slot)[set.pieces[slotIndex(slot)]];
                cells << fromCp932(piece.Name);
                const std::array<int, 6> values{piece.Def,     piece.Fire,   piece.Water,
                                                piece.Thunder, piece.Dragon, piece.Production};
                for (std::size_t i = 0; i < sums.size(); ++i)
                    sums[i] += values[i];
            }
            for (const int sum : sums)
                cells << QString::number(sum);
            for (const std::string& skill : set.activated)
                cells << fromCp932(skill);
            lines << cells.join('\t');
        }
        return lines;
    }

    void clickHeader(int column) const {
        QHeaderView* header = m_table->header();
        const QPoint middle(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
    }

    QString copiedRows() const {
        QTest::keyClick(m_table, Qt::Key_C, Qt::ControlModifier);
        return QApplication::clipboard()->text();
    }

    ui::RowTableView* m_table = nullptr;
    ArmourTables m_armour;
};

TEST_F(SetResultTableTest, AHeaderClickOrdersTheWholeResultAndTheKeysReachEveryRow) {
    const QStringList expected = literalLinesByDefence();
    ASSERT_GT(expected.size(), 10);
    EXPECT_EQ(m_table->rowCount(), std::uint64_t(expected.size()));

    clickHeader(kDefenceColumn);
    EXPECT_EQ(find<QComboBox>("SetResultOrder")->currentText(), QStringLiteral("防御力"));
    EXPECT_TRUE(m_table->header()->isSortIndicatorShown());
    EXPECT_EQ(m_table->header()->sortIndicatorSection(), kDefenceColumn);
    EXPECT_EQ(m_table->header()->sortIndicatorOrder(), Qt::DescendingOrder);

    m_table->setFocus();
    QTest::keyClick(m_table, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(copiedRows(), expected.back() + '\n');
    QTest::keyClick(m_table, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(m_table, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(copiedRows(), expected[0] + '\n' + expected[1] + '\n');
    QTest::keyClick(m_table, Qt::Key_PageDown);
    EXPECT_GT(*m_table->currentRow(), 2u);

    clickHeader(kDefenceColumn);
    EXPECT_TRUE(find<QCheckBox>("SetResultReverse")->isChecked()) << "the same header again reverses";
    EXPECT_EQ(m_table->header()->sortIndicatorOrder(), Qt::AscendingOrder);
    QTest::keyClick(m_table, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(copiedRows(), expected.back() + '\n');

    clickHeader(kPriceColumn);
    EXPECT_EQ(find<QComboBox>("SetResultOrder")->currentText(), QStringLiteral("生産価格"));
    EXPECT_FALSE(find<QCheckBox>("SetResultReverse")->isChecked());
    EXPECT_EQ(m_table->header()->sortIndicatorOrder(), Qt::AscendingOrder) << "the cheapest first";
}

TEST_F(SetResultTableTest, EnterOnARowPutsTheSetIntoTheComposerAndTheSetSearchStaysInView) {
    find<QComboBox>("SetResultOrder")->setCurrentIndex(1);
    const QStringList best = literalLinesByDefence().front().split('\t');
    m_table->setFocus();
    QTest::keyClick(m_table, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(m_table, Qt::Key_Return);
    const std::array<const char*, kArmourSlotCount> selectors{"CB_HeadList", "CB_BodyList", "CB_ArmList",
                                                              "CB_WaistList", "CB_LegList"};
    for (std::size_t slot = 0; slot < selectors.size(); ++slot)
        EXPECT_EQ(find<QComboBox>(selectors[slot])->currentText(), best[qsizetype(slot)]) << selectors[slot];
    EXPECT_EQ(find<QLabel>("Label43")->text(), best[kDefenceColumn]) << "the detail group shows the set";
    EXPECT_EQ(find<ui::FlatButtonPages>("PageControl3")->currentIndex(), kSetSearchPage);
}

} // namespace
} // namespace trelkin
