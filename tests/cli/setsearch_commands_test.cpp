#include "core/data/armour_tables.h"
#include "core/data/data_file_path.h"
#include "core/text/cp932.h"
#include "oracle/literal_set_search.h"
#include "support/cli_run.h"
#include "support/scrambled_fixture.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace trelkin {
namespace {

using testing::DataDirectory;
using testing::runCli;

// Three pieces a slot, for everyone, with points in one skill system; "回避性能UP" activates at 2 to 3 points.
QString guardXml() {
    QString slotElements;
    int number = 0;
    for (const char* slot : {"head", "body", "arm", "waist", "leg"}) {
        slotElements += QStringLiteral("<%1>").arg(QLatin1String(slot));
        for (int i = 0; i < 3; ++i, ++number)
            slotElements +=
                QStringLiteral(
                    "<p><name>防具%1</name><rare>1</rare><def>%2</def><attr fire=\"0\" water=\"0\" thunder=\"0\" "
                    "dragon=\"0\"/><production>100</production><enableequipment m=\"Y\" f=\"Y\" s=\"Y\" "
                    "g=\"Y\"/><skill><s val=\"%3\">回避性能</s></skill></p>")
                    .arg(number)
                    .arg(15 + i)
                    .arg(i);
        slotElements += QStringLiteral("</%1>").arg(QLatin1String(slot));
    }
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><guard><skilllist><row><skill>回避性能</skill>"
                          "<name>回避性能UP</name><range_min>2</range_min><range_max>3</range_max></row></skilllist>"
                          "<armorlist>%1</armorlist></guard>")
        .arg(slotElements);
}

class SetSearchCommandTest : public ::testing::Test {
protected:
    SetSearchCommandTest() {
        m_dir.writeScrambledUtf8(QStringLiteral("guard.dat"), guardXml());
        loadArmourTables(dataFilePathIn(m_dir.path(), kGuardFileName), m_tables);
    }

    // The literal search's blocks, as UTF-8.
    std::vector<std::string> literalBlocks(const SetSearchQuery& query) const {
        const std::string text = fromCp932(oracle::literalSetSearch(m_tables, query)).toStdString();
        const std::string separator = std::string(26, '-') + "\n";
        std::vector<std::string> blocks;
        for (std::size_t start = 0, end; (end = text.find(separator, start)) != std::string::npos;
             start = end + separator.size())
            blocks.push_back(text.substr(start, end + separator.size() - start));
        return blocks;
    }

    testing::CliRun run(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), "set-search");
        return runCli(arguments, m_dir.path());
    }

    DataDirectory m_dir;
    ArmourTables m_tables;
};

TEST_F(SetSearchCommandTest, CountsAndPrintsAnyRangeOfBlocksAsTheLiteralSearchWritesThem) {
    SetSearchQuery query;
    query.WantedSkills[0] = toCp932(QStringLiteral("回避性能UP"));
    const std::vector<std::string> blocks = literalBlocks(query);
    ASSERT_GT(blocks.size(), 10u);
    EXPECT_EQ(run({"--skill", "回避性能UP", "--count"}).out, std::to_string(blocks.size()) + "\n");

    std::string all;
    for (const std::string& block : blocks)
        all += block;
    EXPECT_EQ(run({"--skill", "回避性能UP"}).out, all);
    const std::size_t middle = blocks.size() / 2;
    for (const std::size_t from : {std::size_t(0), middle, blocks.size() - 1}) {
        const testing::CliRun printed = run({"--skill", "回避性能UP", "--from", std::to_string(from), "--limit", "2"});
        EXPECT_EQ(printed.status, 0);
        std::string expected = blocks[from];
        if (from + 1 < blocks.size())
            expected += blocks[from + 1];
        EXPECT_EQ(printed.out, expected) << "from " << from;
    }
    EXPECT_EQ(run({"--skill", "回避性能UP", "--from", std::to_string(blocks.size())}).out, "");
}

TEST_F(SetSearchCommandTest, PrintsTableRowsInEveryOrderFromAnyRank) {
    EXPECT_EQ(run({"--skill", "回避性能UP", "--order", "def", "--table", "--limit", "1"}).out,
              "防具2\t防具4\t防具6\t防具9\t防具12\t78\t0\t0\t0\t0\t500\t回避性能UP\n")
        << "the highest defence first, the first of its sets in loop order";
    SetSearchQuery query;
    query.WantedSkills[0] = toCp932(QStringLiteral("回避性能UP"));
    const std::vector<oracle::LiteralSet> sets = oracle::literalSets(m_tables, query);
    // The defence decides; among equal sums the loop order stays.
    std::vector<std::string> byDefence;
    for (int total = 78; total >= 75; --total)
        for (const oracle::LiteralSet& set : sets) {
            int sum = 0;
            std::string line;
            for (std::size_t slot = 0; slot < 5; ++slot) {
                sum += m_tables.slotTable(kArmourSlots[slot])[set.pieces[slot]].Def;
                line += "防具" + std::to_string(slot * 3 + set.pieces[slot]) + "\t";
            }
            if (sum == total)
                byDefence.push_back(line + std::to_string(sum) + "\t0\t0\t0\t0\t500\t回避性能UP\n");
        }
    ASSERT_EQ(byDefence.size(), sets.size());
    const auto rows = [&](std::size_t from, std::size_t count, bool reversed) {
        std::string text;
        for (std::size_t i = from; i < from + count && i < byDefence.size(); ++i)
            text += byDefence[reversed ? byDefence.size() - 1 - i : i];
        return text;
    };
    const std::size_t middle = sets.size() / 2;
    EXPECT_EQ(run({"--skill", "回避性能UP", "--order", "def", "--table"}).out, rows(0, sets.size(), false));
    EXPECT_EQ(run({"--skill", "回避性能UP", "--order", "def", "--reverse", "--table", "--from", std::to_string(middle),
                   "--limit", "3"})
                  .out,
              rows(middle, 3, true));
    for (const char* order : {"loop", "def", "fire", "price"})
        EXPECT_EQ(run({"--skill", "回避性能UP", "--order", order, "--count"}).out, std::to_string(sets.size()) + "\n")
            << order;
}

TEST_F(SetSearchCommandTest, TheStartValuesAndTheWearerChoicesAreThePage) {
    EXPECT_EQ(run({"--count"}).out, std::to_string(literalBlocks(SetSearchQuery{}).size()) + "\n");
    SetSearchQuery anyone;
    anyone.sex = SetSearchQuery::Sex::Any;
    anyone.wearerClass = SetSearchQuery::WearerClass::Gunner;
    anyone.MinEachDef = 0;
    anyone.MinTotalDef = 80;
    EXPECT_EQ(run({"--sex", "any", "--class", "ガンナー", "--min-each", "off", "--min-total", "80", "--count"}).out,
              std::to_string(literalBlocks(anyone).size()) + "\n");
}

TEST_F(SetSearchCommandTest, RefusesWhatIsNoChoiceOrNoCount) {
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{"--sex", "男性"},
                                                      {"--class", ""},
                                                      {"--from", "-1"},
                                                      {"--limit", "x"},
                                                      {"--from"},
                                                      {"--skill", "a", "--skill", "b", "--skill", "c", "--skill", "d"},
                                                      {"--colour", "red"},
                                                      {"--order", "name"},
                                                      {"--min-each", "off", "--min-total", "off"}}) {
        const testing::CliRun refused = run(arguments);
        EXPECT_EQ(refused.status, 2) << arguments.front();
        EXPECT_EQ(refused.out, "") << arguments.front();
    }
}

TEST_F(SetSearchCommandTest, NarrowsTheSearchAndTellsWhatElseFits) {
    SetSearchQuery query;
    query.WantedSkills[0] = toCp932(QStringLiteral("回避性能UP"));
    const std::size_t all = literalBlocks(query).size();
    query.Excluded[0] = {toCp932(QStringLiteral("防具2"))};
    const std::string withoutHead2 = std::to_string(literalBlocks(query).size()) + "\n";
    EXPECT_EQ(run({"--skill", "回避性能UP", "--exclude", "頭", "防具2", "--count"}).out, withoutHead2);
    query.Excluded[0].clear();
    query.Pinned[0] = {toCp932(QStringLiteral("防具2"))};
    EXPECT_EQ(run({"--skill", "回避性能UP", "--pin", "頭", "防具2", "--pin", "頭", "防具2", "--count"}).out,
              std::to_string(literalBlocks(query).size()) + "\n")
        << "a name pinned twice counts once";

    EXPECT_EQ(run({"--extra-skills"}).out, "回避性能UP\t" + std::to_string(all) + "\n");
    EXPECT_EQ(run({"--skill", "回避性能UP", "--extra-skills"}).out, "") << "a wished skill is no extra";
    const std::string counts = run({"--skill", "回避性能UP", "--piece-counts"}).out;
    EXPECT_TRUE(counts.starts_with("頭\t防具")) << counts;
    EXPECT_EQ(std::count(counts.begin(), counts.end(), '\n'), 15) << "every piece of the five slots is in a set";

    // The pieces without points: no set has the skill, one set has none of it.
    const testing::CliRun nothing =
        run({"--skill", "回避性能UP", "--pin", "頭", "防具0", "--pin", "胴", "防具3", "--pin", "腕", "防具6", "--pin",
             "腰", "防具9", "--pin", "脚", "防具12", "--count"});
    EXPECT_EQ(nothing.status, 0);
    EXPECT_EQ(nothing.out, "0\n");
    EXPECT_EQ(nothing.err, "見つかりませんでした。「回避性能UP」を外すと 1件\n");
}

} // namespace
} // namespace trelkin
