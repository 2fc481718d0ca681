#include "core/text/ascii_case.h"
#include "core/text/collation.h"
#include "core/text/cp932.h"
#include "core/text/error.h"
#include "core/text/integer_reader.h"
#include "support/scrambled_fixture.h"

#include <gtest/gtest.h>
#include <optional>

namespace trelkin {
namespace {

using testing::sjis;

struct IntegerCase {
    const char* text;
    std::optional<std::int32_t> value;
};

void PrintTo(const IntegerCase& integerCase, std::ostream* os) {
    *os << '"' << integerCase.text << '"';
}

class IntegerReaderTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerReaderTest, ReadsWhatTheLoadersAccept) {
    EXPECT_EQ(readInteger(GetParam().text), GetParam().value) << "text: '" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IntegerReaderTest,
    ::testing::Values(IntegerCase{"42", 42}, IntegerCase{"   -17", -17}, IntegerCase{"+8", 8}, IntegerCase{"007", 7},
                      IntegerCase{"$1F", 31}, IntegerCase{"x1f", 31}, IntegerCase{"X10", 16},
                      IntegerCase{"0x7fffffff", 2147483647}, IntegerCase{"0X10", 16}, IntegerCase{"-$10", -16},
                      IntegerCase{"2147483647", 2147483647}, IntegerCase{"-2147483648", -2147483647 - 1},
                      IntegerCase{"-0x80000000", -2147483647 - 1},
                      // No value: empty, blanks only, trailing text, a lone sign or prefix, out of range.
                      IntegerCase{"", std::nullopt}, IntegerCase{"   ", std::nullopt}, IntegerCase{"12 ", std::nullopt},
                      IntegerCase{"1a", std::nullopt}, IntegerCase{"-", std::nullopt}, IntegerCase{"$", std::nullopt},
                      IntegerCase{"0x", std::nullopt}, IntegerCase{"2147483648", std::nullopt},
                      IntegerCase{"-2147483649", std::nullopt}, IntegerCase{"0x80000000", std::nullopt},
                      IntegerCase{"99999999999999999999", std::nullopt}, IntegerCase{"\t5", std::nullopt},
                      IntegerCase{"1.5", std::nullopt}, IntegerCase{"--1", std::nullopt},
                      IntegerCase{"$-1", std::nullopt}, IntegerCase{"0xg", std::nullopt}));

TEST(AsciiCaseTest, FoldsOnlyAsciiLetters) {
    EXPECT_TRUE(equalsIgnoringAsciiCase("Iron Ore", "iRON oRE"));
    EXPECT_FALSE(equalsIgnoringAsciiCase("Iron", "Iron "));
    // Full-width letters are double-byte characters and stay distinct.
    EXPECT_FALSE(equalsIgnoringAsciiCase(sjis("ａ"), sjis("Ａ")));
    EXPECT_EQ(asciiUpper(sjis("aｂc")), sjis("AｂC"));
    EXPECT_LT(compareIgnoringAsciiCase("", "\x81\x9c"), 0);
    EXPECT_LT(compareIgnoringAsciiCase("abc", "ABD"), 0);
    EXPECT_GT(compareIgnoringAsciiCase("abcd", "ABC"), 0);
    // Bytes above 0x7F order after ASCII, as unsigned bytes.
    EXPECT_GT(compareIgnoringAsciiCase("\x82", "z"), 0);
}

TEST(Cp932Test, UsesMicrosoftMappingBothWays) {
    EXPECT_EQ(toCp932(QString::fromUtf8("～")), "\x81\x60");
    EXPECT_EQ(toCp932(QString::fromUtf8("①")), "\x87\x40");
    EXPECT_EQ(fromCp932("\x81\x60\x87\x40"), QString::fromUtf8("～①"));
    EXPECT_EQ(fromCp932(sjis("調合・錬金アイテム")), QString::fromUtf8("調合・錬金アイテム"));
}

TEST(Cp932Test, NeverFailsOnTextItCannotHold) {
    EXPECT_EQ(toCp932(QString::fromUtf8("a€b😀c")), "a?b?c");
    EXPECT_EQ(fromCp932("a\x82"), QStringLiteral("a") + QChar(QChar::ReplacementCharacter));
    EXPECT_EQ(fromCp932("\x82\xff"
                        "b"),
              QString(QChar(QChar::ReplacementCharacter)) + QStringLiteral("b"));
}

TEST(CollationTest, ListOrderIgnoresCaseAndIsTotal) {
    std::vector<std::string> names{"beta", "Alpha", "", "alpha", "Beta", sjis("鉄鉱石"), sjis("アイテム")};
    sortForList(names);
    ASSERT_EQ(names.size(), 7u);
    EXPECT_EQ(names[0], "");
    // Equal but for case: byte order decides, so upper case comes first.
    EXPECT_EQ(names[1], "Alpha");
    EXPECT_EQ(names[2], "alpha");
    EXPECT_EQ(names[3], "Beta");
    EXPECT_EQ(names[4], "beta");
    EXPECT_EQ(names[5], sjis("アイテム"));
    EXPECT_EQ(names[6], sjis("鉄鉱石"));
    EXPECT_LT(collate("a", "B", LetterCase::Ignored), 0);
    EXPECT_EQ(collate("same", "same", LetterCase::Significant), 0);
}

TEST(ErrorTest, FullStopOnlyAfterCharactersThatSortAfterIt) {
    EXPECT_EQ(withFullStop(QStringLiteral("ファイル /x は開けません")), QStringLiteral("ファイル /x は開けません."));
    EXPECT_EQ(withFullStop(QStringLiteral("範囲を超えています (5)")), QStringLiteral("範囲を超えています (5)"));
    EXPECT_EQ(withFullStop(QStringLiteral("Exec Error 5")), QStringLiteral("Exec Error 5."));
    EXPECT_EQ(withFullStop(QStringLiteral("done.")), QStringLiteral("done."));
    EXPECT_EQ(withFullStop(QString()), QString());
    EXPECT_EQ(Error(QStringLiteral("整数ではありません")).message(), QStringLiteral("整数ではありません"));
}

} // namespace
} // namespace trelkin
