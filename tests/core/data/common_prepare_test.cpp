#include "core/data/common_prepare.h"
#include "core/data/recipe_fields.h"
#include "core/text/error.h"
#include "support/error_of.h"
#include "support/scrambled_fixture.h"

#include <gtest/gtest.h>

namespace trelkin {
namespace {

using testing::DataDirectory;
using testing::sjis;
using Fields = std::vector<std::string>;

TEST(RecipeFieldsTest, SplitsAtCommasAndBlanks) {
    EXPECT_EQ(splitRecipeFields("a,b,c"), (Fields{"a", "b", "c"}));
    EXPECT_EQ(splitRecipeFields("  a , b ,\tc  "), (Fields{"a", "b", "c"}));
    EXPECT_EQ(splitRecipeFields("a,,b"), (Fields{"a", "", "b"}));
    EXPECT_EQ(splitRecipeFields(",a"), (Fields{"", "a"}));
    EXPECT_EQ(splitRecipeFields("a,"), (Fields{"a", ""}));
    EXPECT_EQ(splitRecipeFields("a, "), (Fields{"a"})) << "the comma is not the last byte";
    // A blank ends an unquoted field, and what follows becomes the next field.
    EXPECT_EQ(splitRecipeFields("x y,z"), (Fields{"x", "y", "z"}));
    EXPECT_EQ(splitRecipeFields(""), Fields{});
    EXPECT_EQ(splitRecipeFields("   "), Fields{});
}

TEST(RecipeFieldsTest, KeepsQuotedTextWhole) {
    EXPECT_EQ(splitRecipeFields(R"("x y",z)"), (Fields{"x y", "z"}));
    EXPECT_EQ(splitRecipeFields(R"("a,b","say ""hi""")"), (Fields{"a,b", R"(say "hi")"}));
    EXPECT_EQ(splitRecipeFields(R"("ab"cd,e)"), (Fields{"ab", "cd", "e"}));
    EXPECT_EQ(splitRecipeFields(R"("",x)"), (Fields{"", "x"}));
    EXPECT_EQ(splitRecipeFields(R"("open, never closed)"), (Fields{"open, never closed"}));
}

TEST(RecipeFieldsTest, TakesDoubleByteCharactersWhole) {
    EXPECT_EQ(splitRecipeFields(sjis("回復薬,薬草")), (Fields{sjis("回復薬"), sjis("薬草")}));
    // A lead byte followed by a comma swallows it as its second byte.
    EXPECT_EQ(splitRecipeFields("\x82,a"), (Fields{"\x82,a"}));
    // A lone lead byte at the end of the line is a character of its own.
    EXPECT_EQ(splitRecipeFields("a,\x82"), (Fields{"a", "\x82"}));
    EXPECT_EQ(splitRecipeFields("\"\x82"), (Fields{"\x82"}));
}

TPrepareDatas read(std::string_view text) {
    TPrepareDatas table;
    readPrepareText(text, table);
    return table;
}

TEST(LoadPrepareDataTest, FillsEveryFieldInOrder) {
    const TPrepareDatas table = read(sjis("12,回復薬,薬草,青茸,95,体力を回復する。,調合,1\r\n"
                                          "13,燃焼石,火薬茸,石炭,75,燃える石炭。,錬金,2,extra"));
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[0].No, 12);
    EXPECT_EQ(table[0].Item, sjis("回復薬"));
    EXPECT_EQ(table[0].Material1, sjis("薬草"));
    EXPECT_EQ(table[0].Material2, sjis("青茸"));
    EXPECT_EQ(table[0].Rate, 95);
    EXPECT_EQ(table[0].Description, sjis("体力を回復する。"));
    EXPECT_TRUE(table[0].Prepare);
    EXPECT_EQ(table[0].Quantity, "1");
    EXPECT_EQ(table[1].No, 13);
    EXPECT_FALSE(table[1].Prepare);
    EXPECT_EQ(table[1].Quantity, "2");
}

TEST(LoadPrepareDataTest, ReadsTheOddLinesAsTheReaderDefinesThem) {
    const TPrepareDatas table = read(sjis("1,A,B,C,,x y,調合,1\n"
                                          "2,A,B,C,80,\"x y\",調合,3\n"
                                          "  3 , A , B , C , 80 , d , 調合 , 4  \n"
                                          "x,A,B,C,abc,d,調合,\n"
                                          "$10,A,B,C,0x20,d,調合 ,5"));
    ASSERT_EQ(table.size(), 5u);
    // An unquoted blank splits the description: the kind shifts into Quantity.
    EXPECT_EQ(table[0].Rate, -1);
    EXPECT_EQ(table[0].Description, "x");
    EXPECT_FALSE(table[0].Prepare);
    EXPECT_EQ(table[0].Quantity, sjis("調合"));
    EXPECT_EQ(table[1].Description, "x y");
    EXPECT_TRUE(table[1].Prepare);
    EXPECT_EQ(table[2].No, 3);
    EXPECT_EQ(table[2].Item, "A");
    EXPECT_TRUE(table[2].Prepare);
    EXPECT_EQ(table[2].Quantity, "4");
    EXPECT_EQ(table[3].No, -1);
    EXPECT_EQ(table[3].Rate, -1);
    EXPECT_EQ(table[3].Quantity, "");
    EXPECT_EQ(table[4].No, 16);
    EXPECT_EQ(table[4].Rate, 32);
    EXPECT_TRUE(table[4].Prepare);
}

TEST(LoadPrepareDataTest, EmptyOrBlankTextGivesAnEmptyTable) {
    EXPECT_TRUE(read("").empty());
    DataDirectory dir;
    TPrepareDatas table(3);
    LoadPrepareData(dir.writeScrambled("prepare.dat", " \r\n\t \n"), table);
    EXPECT_TRUE(table.empty());
}

std::string errorOf(std::string_view text, TPrepareDatas& table) {
    return testing::errorOf([&] { readPrepareText(text, table); });
}

TEST(LoadPrepareDataTest, TooFewFieldsStopsWithTheIndexOfTheMissingField) {
    TPrepareDatas table;
    EXPECT_EQ(errorOf("1,A,B,C,90,d,x,1\n2,A,B,C,90\n3,A,B,C,90,d,x,1", table),
              "リストのインデックスが範囲を超えています (5)");
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[0].Quantity, "1");
    EXPECT_EQ(table[1].Rate, 90) << "fields before the missing one are read";
    EXPECT_EQ(table[1].Description, "");
    EXPECT_EQ(table[2].No, 0) << "lines after the failing one stay unread";
    EXPECT_EQ(table[2].Item, "");

    EXPECT_EQ(errorOf("1,A,B,C,90,d,x,1\n\n3,A,B,C,90,d,x,1", table), "リストのインデックスが範囲を超えています (0)");
    EXPECT_EQ(errorOf("1,A,B,C,90,d,x", table), "リストのインデックスが範囲を超えています (7)");
}

TEST(LoadPrepareDataTest, AFileScrambledWithAnotherKeyFailsAsTooFewFields) {
    DataDirectory dir;
    std::string wrongKey = sjis("1,回復薬,薬草,青茸,95,説明,調合,1");
    for (char& c : wrongKey)
        c = char(c ^ 0x55);
    TPrepareDatas table;
    EXPECT_THROW(LoadPrepareData(dir.writeRaw("prepare.dat", wrongKey), table), Error);
}

TEST(LoadPrepareDataTest, ReadsALargeFile) {
    std::string text;
    const std::string line = sjis("1,上回復薬,回復薬,ハチミツ,90,体力を大きく回復する。,調合,1\r\n");
    constexpr int kLines = 60000;
    for (int i = 0; i < kLines; ++i)
        text += line;
    DataDirectory dir;
    TPrepareDatas table;
    LoadPrepareData(dir.writeScrambled("prepare.dat", text), table);
    ASSERT_EQ(table.size(), size_t(kLines));
    EXPECT_EQ(table.back().Item, sjis("上回復薬"));
}

} // namespace
} // namespace trelkin
