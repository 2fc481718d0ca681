#include "core/combination/recipe_tree.h"
#include "core/data/armour_tables.h"
#include "core/data/common.h"
#include "core/data/common_prepare.h"
#include "core/data/common_weapon.h"
#include "core/data/xml.h"
#include "core/text/error.h"
#include "support/error_of.h"
#include "support/scrambled_fixture.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace trelkin {
namespace {

using testing::DataDirectory;

using testing::errorOf;

std::string tooLargeMessage(const QString& path) {
    return QStringLiteral("ファイル %1 は大きすぎます (上限 16 MiB)").arg(path).toStdString();
}

std::string nested(int depth) {
    std::string document;
    document.reserve(size_t(depth) * 7);
    for (int i = 0; i < depth; ++i)
        document += "<a>";
    for (int i = 0; i < depth; ++i)
        document += "</a>";
    return document;
}

TEST(DataLimitsTest, AFileOfHundredsOfMegabytesIsRefusedWithoutBeingRead) {
    constexpr qint64 kHugeSize = qint64(300) << 20;
    DataDirectory dir;
    const QString path = dir.writeRaw(QStringLiteral("prepare.dat"), "");
    QFile file(path);
    // A sparse file: it takes no disk space, and reading it would take hundreds of megabytes of memory.
    ASSERT_TRUE(file.resize(kHugeSize));
    TPrepareDatas recipes;
    EXPECT_EQ(errorOf([&] { LoadPrepareData(path, recipes); }), tooLargeMessage(path));
    EXPECT_TRUE(recipes.empty());
}

TEST(DataLimitsTest, AFileOneBytePastTheLimitIsRefusedAndOneAtItIsRead) {
    DataDirectory dir;
    const QString atLimit = dir.writeRaw(QStringLiteral("at.dat"), std::string(size_t(kMaxDataFileSize), 'x'));
    EXPECT_EQ(ReadScrambledFile(atLimit).size(), size_t(kMaxDataFileSize));
    const QString pastLimit = dir.writeRaw(QStringLiteral("past.dat"), std::string(size_t(kMaxDataFileSize) + 1, 'x'));
    EXPECT_EQ(errorOf([&] { ReadScrambledFile(pastLimit); }), tooLargeMessage(pastLimit));
}

TEST(DataLimitsTest, ADeviceThatNeverEndsIsRefused) {
    const QString endless = QStringLiteral("/dev/zero");
    EXPECT_EQ(errorOf([&] { ReadScrambledFile(endless); }), "ファイル /dev/zero は開けません");
}

TEST(DataLimitsTest, ANamedPipeIsRefusedAtOnceInsteadOfWaitingForAWriter) {
    DataDirectory dir;
    const QString pipe = dir.filePath(QStringLiteral("prepare.dat"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    TPrepareDatas recipes;
    EXPECT_EQ(errorOf([&] { LoadPrepareData(pipe, recipes); }), "ファイル " + pipe.toStdString() + " は開けません");
    EXPECT_EQ(errorOf([&] { ReadScrambledFile(dir.path()); }), "ファイル " + dir.path().toStdString() + " は開けません")
        << "nor is a directory";
}

TEST(DataLimitsTest, TooManyRecipeLinesAreRefusedBeforeTheTableIsMade) {
    TPrepareDatas recipes;
    const std::string lines(kMaxRecipeCount, '\n');
    EXPECT_EQ(errorOf([&] { readPrepareText(lines + "1,a,b,c,1,d,e,1", recipes); }),
              "レシピの行が多すぎます (上限 200000 行)");
    EXPECT_TRUE(recipes.empty());
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.rfind(prefix, 0) == 0;
}

const std::string kTooDeep = "XML 要素の入れ子が深すぎます (上限 256 段, ";

TEST(DataLimitsTest, ARecipeChainAHundredThousandLevelsDeepIsLoadedAndOpensLevelByLevel) {
    constexpr int kChainLength = 100000;
    constexpr int kLevelsOpened = 100;
    std::string text;
    for (int i = 0; i < kChainLength; ++i)
        text += std::to_string(i) + ",I" + std::to_string(i + 1) + ",I" + std::to_string(i) + ",ore,50,d,x,1\n";
    TPrepareDatas recipes;
    readPrepareText(text, recipes);
    ASSERT_EQ(recipes.size(), size_t(kChainLength));
    const auto tree = BuildRecipeTree(recipes);
    // The tree is sorted by text, so the last recipe's top-level node is found by its recipe.
    PrepareTree::NodeId node = -1;
    for (const PrepareTree::NodeId top : tree->topLevel())
        if (tree->node(top).recipe == kChainLength - 1)
            node = top;
    ASSERT_GE(node, 0);
    for (int level = 0; level < kLevelsOpened; ++level) {
        ASSERT_TRUE(tree->hasChildren(node));
        node = tree->children(node).front();
    }
    EXPECT_EQ(tree->depth(node), kLevelsOpened);
}

TEST(DataLimitsTest, AMillionLevelsOfNestingAreRefusedBeforeTheDomIsBuilt) {
    DataDirectory dir;
    const QString path = dir.writeScrambled(QStringLiteral("guard.dat"), nested(1000000));
    ArmourTables tables;
    const std::string error = errorOf([&] { loadArmourTables(path, tables); });
    EXPECT_TRUE(startsWith(error, kTooDeep)) << error;
    weapon::TWeaponDatas weapons;
    EXPECT_TRUE(startsWith(errorOf([&] { weapon::readWeaponText(nested(1000000), weapons); }), kTooDeep));
}

TEST(DataLimitsTest, NestingUpToTheLimitIsParsed) {
    EXPECT_NO_THROW(xml::parseDocument(nested(xml::kMaxElementDepth)));
    EXPECT_TRUE(startsWith(errorOf([] { xml::parseDocument(nested(xml::kMaxElementDepth + 1)); }), kTooDeep));
}

TEST(DataLimitsTest, TooManyEntriesInOneListAreRefusedBeforeTheTableIsMade) {
    std::string document = "<weapondata><weaponlist>";
    for (size_t i = 0; i <= xml::kMaxChildNodes; ++i)
        document += "<w/>";
    document += "</weaponlist></weapondata>";
    weapon::TWeaponDatas weapons;
    EXPECT_EQ(errorOf([&] { weapon::readWeaponText(document, weapons); }),
              "要素 weaponlist の子ノードが多すぎます (上限 200000 個)");
    EXPECT_TRUE(weapons.empty());
}

} // namespace
} // namespace trelkin
