#include "gui/widgets/block_text_view.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace trelkin {
namespace {

// Block n holds the lines "n:a" and "n:b"; nothing is stored, so a source can hold any number of blocks.
class CountingSource : public ui::BlockSource {
public:
    QStringList lines(std::uint64_t block) override {
        ++randomReads;
        return linesOf(block);
    }
    void read(std::uint64_t first, std::uint64_t last, const Visit& visit) override {
        for (std::uint64_t block = first; block <= last; ++block)
            if (!visit(linesOf(block)))
                return;
    }
    static QStringList linesOf(std::uint64_t block) {
        return {QString::number(block) + QStringLiteral(":a"), QString::number(block) + QStringLiteral(":b")};
    }

    int randomReads = 0;
};

class BlockTextViewTest : public ::testing::Test {
protected:
    void show(std::uint64_t blocks) {
        m_view.setSource(m_source);
        m_view.setBlockCount(blocks);
        m_view.resize(300, 200);
        m_view.show();
        m_view.setFocus();
    }

    std::shared_ptr<CountingSource> m_source = std::make_shared<CountingSource>();
    ui::BlockTextView m_view;
};

TEST_F(BlockTextViewTest, TheBarReachesEveryBlockBeyondTheIntRange) {
    constexpr std::uint64_t kBlocks = std::uint64_t(1) << 40;
    show(kBlocks);
    QScrollBar* bar = m_view.verticalScrollBar();
    bar->setValue(bar->maximum());
    EXPECT_EQ(m_view.topPosition().block, kBlocks - 1);
    bar->setValue(bar->maximum() / 2);
    EXPECT_NEAR(double(m_view.topPosition().block), double(kBlocks / 2), double(kBlocks) / bar->maximum() * 2);

    QTest::keyClick(&m_view, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(m_view.caretPosition().block, kBlocks - 1);
    EXPECT_EQ(m_view.caretPosition().line, 1);
    EXPECT_EQ(bar->value(), bar->maximum());
    QTest::keyClick(&m_view, Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(&m_view, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(m_view.selectedText(), QString::number(kBlocks - 2) + QStringLiteral(":b\n") +
                                         QString::number(kBlocks - 1) + QStringLiteral(":a\n") +
                                         QString::number(kBlocks - 1) + QStringLiteral(":b\n"));
    EXPECT_LT(m_source->randomReads, 200) << "only the blocks shown are read";
}

TEST_F(BlockTextViewTest, CopiesASmallSelectionAndRefusesAHugeOne) {
    show(3);
    QTest::keyClick(&m_view, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&m_view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("0:a\n0:b\n1:a\n1:b\n2:a\n2:b\n"));

    constexpr std::uint64_t kHuge = 100'000'000;
    m_view.setBlockCount(kHuge);
    QSignalSpy refused(&m_view, &ui::BlockTextView::copyTooLarge);
    QTest::keyClick(&m_view, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&m_view, Qt::Key_C, Qt::ControlModifier);
    ASSERT_EQ(refused.size(), 1);
    EXPECT_EQ(refused.at(0).at(0).toULongLong(), kHuge);
    EXPECT_GE(refused.at(0).at(1).toULongLong(), kHuge * 8) << "the estimate counts every line";
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("0:a\n0:b\n1:a\n1:b\n2:a\n2:b\n"));
}

TEST_F(BlockTextViewTest, ANewSourceStartsEmptyAtTheTop) {
    show(10);
    QTest::keyClick(&m_view, Qt::Key_End);
    m_view.setSource(std::make_shared<CountingSource>());
    EXPECT_EQ(m_view.blockCount(), 0u);
    EXPECT_FALSE(m_view.hasSelection());
    EXPECT_EQ(m_view.topPosition(), BlockLine{});
}

} // namespace
} // namespace trelkin
