#include "core/data/common.h"
#include "core/text/error.h"
#include "core/text/text_lines.h"
#include "support/error_of.h"
#include "support/scrambled_fixture.h"

#include <gtest/gtest.h>

namespace trelkin {
namespace {

using testing::DataDirectory;

TEST(ScrambleKeyTest, MeetsTheRulesOfTheFileFormat) {
    // The line break that reading appends must unscramble to bytes the trailing trim removes.
    EXPECT_LE('\r' ^ ScrambleKey, 32);
    EXPECT_LE('\n' ^ ScrambleKey, 32);
    // TAB, CR and LF of a plain text must be storable.
    for (const char c : {'\t', '\r', '\n'}) {
        const auto stored = static_cast<unsigned char>(c ^ ScrambleKey);
        EXPECT_NE(stored, 0);
        EXPECT_NE(stored, '\r');
        EXPECT_NE(stored, '\n');
    }
}

TEST(UnscrambleTextTest, IsItsOwnInverseAndStopsAtZero) {
    const std::string plain = testing::sjis("調合,回復薬\t\r\n～");
    EXPECT_EQ(UnscrambleText(UnscrambleText(plain)), plain);
    EXPECT_EQ(UnscrambleText(std::string("ab\0cd", 5)), UnscrambleText("ab"));
    EXPECT_EQ(UnscrambleText(""), "");
}

TEST(ScrambleTextTest, RefusesBytesThatCannotBeStored) {
    EXPECT_THROW(scrambleText(std::string(1, char(ScrambleKey))), Error);
    EXPECT_THROW(scrambleText(std::string(1, char('\r' ^ ScrambleKey))), Error);
    EXPECT_THROW(scrambleText(std::string(1, char('\n' ^ ScrambleKey))), Error);
    EXPECT_NO_THROW(scrambleText("plain\ttext\r\n"));
}

TEST(SplitLinesTest, SplitsAtEveryKindOfLineBreak) {
    using Lines = std::vector<std::string_view>;
    EXPECT_EQ(splitLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\n\nb\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(splitLines("a\r\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(splitLines(""), Lines{});
    EXPECT_EQ(splitLines(std::string_view("a\nb\0c\nd", 7)), (Lines{"a", "b"}));
}

TEST(ReadScrambledFileTest, GivesThePlainTextWithoutTrailingBlanks) {
    DataDirectory dir;
    EXPECT_EQ(ReadScrambledFile(dir.writeScrambled("a.dat", "abc  \r\n\t\n  ")), "abc");
    EXPECT_EQ(ReadScrambledFile(dir.writeScrambled("b.dat", "  line one\r\nline two")), "  line one\r\nline two");
    EXPECT_EQ(ReadScrambledFile(dir.writeRaw("empty.dat", "")), "");
    EXPECT_EQ(ReadScrambledFile(dir.writeRaw("zero.dat", std::string("\0abc", 4))), "");
}

TEST(ReadScrambledFileTest, EndsAtAZeroByteInTheMiddle) {
    DataDirectory dir;
    std::string bytes = scrambleText("first");
    bytes += '\0';
    bytes += scrambleText("second");
    EXPECT_EQ(ReadScrambledFile(dir.writeRaw("a.dat", bytes)), "first");
}

TEST(ReadScrambledFileTest, NormalisesRawLineBreaksOfABadlyMadeFile) {
    DataDirectory dir;
    // A file that was never scrambled: its raw line breaks become CR LF before the whole is unscrambled.
    const std::string read = ReadScrambledFile(dir.writeRaw("plain.dat", "ab\ncd\r\nef"));
    EXPECT_EQ(read, UnscrambleText("ab\r\ncd\r\nef"));
}

TEST(ReadScrambledFileTest, NamesTheFullPathOfAFileItCannotOpen) {
    DataDirectory dir;
    const QString path = dir.filePath(QStringLiteral("missing.dat"));
    EXPECT_EQ(testing::errorOf([&] { ReadScrambledFile(path); }),
              QStringLiteral("ファイル %1 は開けません").arg(path).toStdString());
    EXPECT_THROW(ReadScrambledFile(dir.path()), Error);
}

} // namespace
} // namespace trelkin
