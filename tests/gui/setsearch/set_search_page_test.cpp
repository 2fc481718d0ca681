#include "core/text/cp932.h"
#include "gui/setsearch/set_search_page.h"
#include "gui/widgets/block_text_view.h"
#include "gui/widgets/dialogs.h"
#include "oracle/literal_set_search.h"
#include "support/find_widget.h"
#include "support/recorded_dialogs.h"
#include "support/scrambled_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace trelkin {
namespace {

using testing::sjis;

guard::TEquipmentData piece(int number, int def, std::vector<guard::TEquipmentSkillData> skills) {
    guard::TEquipmentData piece;
    piece.Name = "piece" + std::to_string(number);
    piece.Def = def;
    piece.Male = piece.Swordsman = true;
    piece.Skills = std::move(skills);
    return piece;
}

// Every slot holds `count` pieces; one point of "agility" on every odd piece, and "agility" activates only at
// exactly five points, so the bounds can prune little and the search takes a while when count is large.
ArmourTables tablesOf(int count) {
    ArmourTables tables;
    tables.SkillDatas = {{"agility", sjis("回避性能UP"), 5, 5, ""}};
    for (guard::TEquipmentDatas* slot :
         {&tables.HeadDatas, &tables.BodyDatas, &tables.ArmDatas, &tables.WaistDatas, &tables.LegDatas})
        for (int i = 0; i < count; ++i)
            slot->push_back(piece(i, 15 + i % 3, {{i % 2, "agility"}}));
    return tables;
}

bool waitUntil(const std::function<bool()>& condition, int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (!condition() && timer.elapsed() < milliseconds)
        QTest::qWait(10);
    return condition();
}

class SetSearchPageTest : public ::testing::Test {
protected:
    void load(int count) {
        m_tables = tablesOf(count);
        m_page.fillSkillSelectors(m_tables);
        m_page.show();
    }
    template <typename Widget> Widget* find(const char* name) {
        return testing::findWidget<Widget>(m_page, QString::fromLatin1(name));
    }
    void wish(const QString& skill) {
        find<QComboBox>("ComboBox1")->setCurrentIndex(find<QComboBox>("ComboBox1")->findText(skill));
    }

    ArmourTables m_tables;
    SetSearchPage m_page;
    testing::RecordedDialogs m_dialogs;
};

TEST_F(SetSearchPageTest, StartsWithTheDefaultConditionsAndIgnoresAClickWithoutAny) {
    load(2);
    EXPECT_EQ(find<QComboBox>("ComboBox5")->currentText(), QStringLiteral("男"));
    EXPECT_EQ(find<QComboBox>("ComboBox4")->currentText(), QStringLiteral("剣士"));
    EXPECT_EQ(find<QComboBox>("ComboBox1")->currentIndex(), -1);
    EXPECT_TRUE(find<QPushButton>("Button2")->isHidden());
    for (QCheckBox* check : m_page.findChildren<QCheckBox*>())
        check->setChecked(false);
    find<QPushButton>("Button1")->click();
    EXPECT_FALSE(m_page.isSearching());
    EXPECT_TRUE(m_dialogs.informations.isEmpty());
}

TEST_F(SetSearchPageTest, ShowsExactlyTheLiteralResultAndAnnouncesTheEnd) {
    load(4);
    wish(QStringLiteral("回避性能UP"));
    find<QPushButton>("Button1")->click();
    ASSERT_TRUE(waitUntil([&] { return !m_page.isSearching(); }, 5000));
    EXPECT_EQ(m_dialogs.informations, QStringList{QStringLiteral("情報:検索が完了しました")});
    EXPECT_TRUE(find<QPushButton>("Button2")->isHidden());

    SetSearchQuery query;
    query.WantedSkills[0] = sjis("回避性能UP");
    auto* memo = find<ui::BlockTextView>("Memo2");
    QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(memo, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), fromCp932(oracle::literalSetSearch(m_tables, query)));
    EXPECT_EQ(memo->blockCount(), m_page.foundCount());

    // End puts the caret on the very last line; shift+End there selects just that line.
    QTest::keyClick(memo, Qt::Key_End);
    QTest::keyClick(memo, Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(memo->selectedText(), QStringLiteral("--------------------------\n"));
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray withCrLf(QByteArray text) {
    return text.replace("\n", "\r\n");
}

TEST_F(SetSearchPageTest, SavesEveryBlockAsTheMemoShowsItInEitherEncoding) {
    load(4);
    wish(QStringLiteral("回避性能UP"));
    find<QPushButton>("Button1")->click();
    ASSERT_TRUE(waitUntil([&] { return !m_page.isSearching(); }, 5000));
    SetSearchQuery query;
    query.WantedSkills[0] = sjis("回避性能UP");
    const std::string literal = oracle::literalSetSearch(m_tables, query);

    testing::DataDirectory dir;
    for (const int filter : {0, 1}) {
        const QString path = dir.filePath(QStringLiteral("result%1.txt").arg(filter));
        m_dialogs.saveTo = ui::SaveFileChoice{path, filter};
        find<QPushButton>("ButtonSave")->click();
        ASSERT_TRUE(waitUntil([&] { return QFile::exists(path); }, 5000));
        const QByteArray expected = filter == 0 ? fromCp932(literal).toUtf8() : QByteArray::fromStdString(literal);
        EXPECT_EQ(fileBytes(path), withCrLf(expected)) << "filter " << filter;
    }
    EXPECT_EQ(m_dialogs.saveCaptions.size(), 2);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "no temporary file is left behind";
}

TEST_F(SetSearchPageTest, AFailedSaveSaysWhatFailedAndLeavesNoFile) {
    load(2);
    find<QPushButton>("Button1")->click();
    ASSERT_TRUE(waitUntil([&] { return !m_page.isSearching(); }, 5000));
    testing::DataDirectory dir;
    const QString path = dir.filePath(QStringLiteral("gone/result.txt"));
    m_dialogs.saveTo = ui::SaveFileChoice{path, 0};
    find<QPushButton>("ButtonSave")->click();
    ASSERT_EQ(m_dialogs.errors.size(), 1);
    EXPECT_TRUE(m_dialogs.errors.front().startsWith(QStringLiteral("ファイル ")))
        << m_dialogs.errors.front().toStdString();
    EXPECT_TRUE(
        m_dialogs.errors.front().endsWith(QStringLiteral("に保存できませんでした (保存先のフォルダがありません)")))
        << "the reason in Japanese";
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(SetSearchPageTest, TheSaveDialogProposesANameAndAHugeSaveAsksFirst) {
    constexpr int kPiecesPerSlot = 24; // about eight million sets, well over a gigabyte of text
    load(kPiecesPerSlot);
    find<QPushButton>("Button1")->click();
    ASSERT_TRUE(waitUntil([&] { return !m_page.isSearching(); }, 5000));
    testing::DataDirectory dir;
    const QString path = dir.filePath(QStringLiteral("all.txt"));
    m_dialogs.saveTo = ui::SaveFileChoice{path, 0};
    find<QPushButton>("ButtonSave")->click();
    EXPECT_EQ(m_dialogs.proposedNames, QStringList{QStringLiteral("セット検索結果.txt")});
    ASSERT_EQ(m_dialogs.confirmations.size(), 1);
    EXPECT_TRUE(m_dialogs.confirmations.front().startsWith(QStringLiteral("保存するファイルは約 1.")))
        << m_dialogs.confirmations.front().toStdString();
    EXPECT_TRUE(m_dialogs.confirmations.front().endsWith(QStringLiteral(" GBになります。保存しますか?")));
    EXPECT_FALSE(QFile::exists(path)) << "answered no: nothing written";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

TEST_F(SetSearchPageTest, StoppingALongSaveSaysNothingAndLeavesNoFile) {
    constexpr int kPiecesPerSlot = 24; // many slices of writing
    load(kPiecesPerSlot);
    find<QPushButton>("Button1")->click();
    ASSERT_TRUE(waitUntil([&] { return !m_page.isSearching(); }, 5000));
    testing::DataDirectory dir;
    const QString path = dir.filePath(QStringLiteral("result.txt"));
    m_dialogs.saveTo = ui::SaveFileChoice{path, 0};
    m_dialogs.answerYes = true; // to the question about the file's size
    find<QPushButton>("ButtonSave")->click();
    auto* progress = m_page.findChild<QProgressDialog*>();
    ASSERT_NE(progress, nullptr);
    // The click on "中止" arrives while a slice shows its progress.
    QTimer::singleShot(150, progress, [progress] { progress->findChild<QPushButton*>()->click(); });
    ASSERT_TRUE(waitUntil([&] { return m_page.findChild<QProgressDialog*>() == nullptr; }, 5000));
    EXPECT_EQ(m_dialogs.errors, QStringList()) << "a cancel is no failure";
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

TEST_F(SetSearchPageTest, CopyingAHugeResultOffersSavingInsteadOfFillingTheClipboard) {
    constexpr int kPiecesPerSlot = 24; // about eight million sets with the page's start values
    load(kPiecesPerSlot);
    find<QPushButton>("Button1")->click();
    ASSERT_TRUE(waitUntil([&] { return !m_page.isSearching(); }, 5000));
    EXPECT_EQ(find<QLabel>("LabelSetCount")->text(), QStringLiteral("7,962,624件"));
    QApplication::clipboard()->setText(QStringLiteral("before"));
    auto* memo = find<ui::BlockTextView>("Memo2");
    QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(memo, Qt::Key_C, Qt::ControlModifier);
    ASSERT_EQ(m_dialogs.confirmations.size(), 1);
    EXPECT_TRUE(m_dialogs.confirmations.front().contains(QStringLiteral("7,962,624件")));
    EXPECT_TRUE(m_dialogs.confirmations.front().contains(QStringLiteral("大きすぎます")));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("before"));
}

TEST_F(SetSearchPageTest, NothingMovesWhileTheStopIsAskedAndNoEndsTheSearchAsUsual) {
    load(4);
    wish(QStringLiteral("回避性能UP"));
    find<QPushButton>("Button1")->click();
    QStringList shownWhileAsked;
    m_dialogs.whileAsked = [&] {
        QTest::qWait(300); // the search alone would have ended meanwhile
        shownWhileAsked = m_dialogs.informations;
    };
    find<QPushButton>("Button2")->click();
    EXPECT_TRUE(shownWhileAsked.isEmpty());
    ASSERT_TRUE(waitUntil([&] { return !m_page.isSearching(); }, 5000));
    EXPECT_EQ(m_dialogs.informations, QStringList{QStringLiteral("情報:検索が完了しました")});
}

TEST_F(SetSearchPageTest, YesStopsAtOnceAndTheResultGrowsNoMore) {
    load(4);
    wish(QStringLiteral("回避性能UP"));
    find<QPushButton>("Button1")->click();
    m_dialogs.whileAsked = [] { QTest::qWait(100); };
    m_dialogs.answerYes = true;
    find<QPushButton>("Button2")->click();
    EXPECT_FALSE(m_page.isSearching()) << "the search has ended when the box closes";
    EXPECT_TRUE(find<QPushButton>("Button2")->isHidden());
    const std::uint64_t found = find<ui::BlockTextView>("Memo2")->blockCount();
    QTest::qWait(100);
    EXPECT_EQ(find<ui::BlockTextView>("Memo2")->blockCount(), found);
    EXPECT_TRUE(m_dialogs.informations.isEmpty());
}

TEST_F(SetSearchPageTest, CancelGoesOnAfterNoAndStopsAfterYesWithoutTheEndMessage) {
    constexpr int kPiecesPerSlot = 60;
    load(kPiecesPerSlot);
    wish(QStringLiteral("回避性能UP"));
    find<QPushButton>("Button1")->click();
    ASSERT_TRUE(m_page.isSearching());
    EXPECT_FALSE(find<QPushButton>("Button2")->isHidden());
    find<QPushButton>("Button1")->click(); // refused while the first search runs

    find<QPushButton>("Button2")->click();
    EXPECT_EQ(m_dialogs.confirmations, QStringList{QStringLiteral("中止してもよろしいですか?")});
    EXPECT_TRUE(m_page.isSearching());

    m_dialogs.answerYes = true;
    find<QPushButton>("Button2")->click();
    ASSERT_TRUE(waitUntil([&] { return !m_page.isSearching(); }, 2000));
    EXPECT_TRUE(m_dialogs.informations.isEmpty());
    EXPECT_TRUE(find<QPushButton>("Button2")->isHidden());
}

} // namespace
} // namespace trelkin
