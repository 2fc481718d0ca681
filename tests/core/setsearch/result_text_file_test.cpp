// Saving a result: in the order it is read in, as blocks or as table rows, and a target that cannot take the file
// refused before anything is written, with the reason in Japanese.
#include "core/setsearch/ordered_result.h"
#include "core/setsearch/result_text_file.h"
#include "core/setsearch/set_search.h"
#include "support/scrambled_fixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace trelkin {
namespace {

using testing::DataDirectory;

guard::TEquipmentData piece(const std::string& name, int def, int price) {
    guard::TEquipmentData piece;
    piece.Name = name;
    piece.Def = def;
    piece.Production = price;
    piece.Male = piece.Female = piece.Swordsman = piece.Gunner = true;
    return piece;
}

// Two heads, the stronger the dearer, one piece in every other slot: two sets.
ArmourTables twoSets() {
    ArmourTables tables;
    tables.HeadDatas = {piece("H1", 20, 100), piece("H2", 30, 300)};
    tables.BodyDatas = {piece("B", 15, 0)};
    tables.ArmDatas = {piece("A", 15, 0)};
    tables.WaistDatas = {piece("W", 15, 0)};
    tables.LegDatas = {piece("L", 15, 0)};
    return tables;
}

class ResultTextFileTest : public ::testing::Test {
protected:
    ResultTextFileTest() : m_tables(twoSets()) {
        auto result =
            std::make_shared<SetSearchResult>(std::make_shared<const SearchSpace>(m_tables, SetSearchQuery{}));
        SetSearchControl control;
        searchArmourSets(*result, control);
        m_result = result;
    }

    // Saves every set of the result in that order and form, and gives back the file's bytes or the error.
    QByteArray saved(const ResultInOrder& shown, ResultTextForm form, const QString& name) {
        const QString path = m_dir.filePath(name);
        ResultTextFile file(shown, form, {0, 0}, {1, std::numeric_limits<int>::max()}, TextFileEncoding::Utf8, path);
        if (!file.open() || !file.writeSome(2) || !file.commit())
            return file.errorMessage().toUtf8();
        QFile written(path);
        return written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
    }

    ArmourTables m_tables;
    std::shared_ptr<const SetSearchResult> m_result;
    DataDirectory m_dir;
};

TEST_F(ResultTextFileTest, WritesTheSetsInTheOrderShownAsBlocksOrRows) {
    const ResultInOrder loop{m_result, nullptr, false};
    const ResultInOrder cheapest{m_result, std::make_shared<const OrderedResult>(m_result, SetOrderKey::Price), false};
    EXPECT_EQ(saved(loop, ResultTextForm::TableRows, QStringLiteral("loop.txt")),
              "H2\tB\tA\tW\tL\t90\t0\t0\t0\t0\t300\r\nH1\tB\tA\tW\tL\t80\t0\t0\t0\t0\t100\r\n");
    EXPECT_EQ(saved(cheapest, ResultTextForm::TableRows, QStringLiteral("price.txt")),
              "H1\tB\tA\tW\tL\t80\t0\t0\t0\t0\t100\r\nH2\tB\tA\tW\tL\t90\t0\t0\t0\t0\t300\r\n");
    const QByteArray reversed = saved({m_result, nullptr, true}, ResultTextForm::Blocks, QStringLiteral("back.txt"));
    EXPECT_TRUE(reversed.startsWith("【防具一覧】\r\n頭 ： H1\r\n")) << reversed.toStdString();
    EXPECT_EQ(ResultTextFile::estimatedBytes(loop, ResultTextForm::TableRows, TextFileEncoding::Utf8, 2),
              std::uint64_t(saved(loop, ResultTextForm::TableRows, QStringLiteral("again.txt")).size()));
}

TEST_F(ResultTextFileTest, ATargetThatCannotTakeTheFileIsRefusedBeforeWritingWithAJapaneseReason) {
    const ResultInOrder loop{m_result, nullptr, false};
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder")));
    const struct {
        QString name;
        const char* reason;
    } cases[] = {
        {QString(256, u'x'), "(ファイル名が長すぎます)"},
        {QStringLiteral("folder"), "(同じ名前のフォルダがあります)"},
        {QStringLiteral("gone/result.txt"), "(保存先のフォルダがありません)"},
    };
    for (const auto& [name, reason] : cases) {
        ResultTextFile file(loop, ResultTextForm::Blocks, {0, 0}, {1, 0}, TextFileEncoding::Utf8, m_dir.filePath(name));
        EXPECT_FALSE(file.open()) << reason;
        EXPECT_TRUE(file.errorMessage().startsWith(QStringLiteral("ファイル ")));
        EXPECT_TRUE(file.errorMessage().endsWith(QString::fromUtf8(reason))) << file.errorMessage().toStdString();
        EXPECT_EQ(file.setsWritten(), 0u);
    }
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList()) << "nothing written, nothing left";
}

} // namespace
} // namespace trelkin
