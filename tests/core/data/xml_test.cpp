#include "core/data/xml.h"
#include "core/text/cp932.h"
#include "core/text/error.h"
#include "support/error_of.h"
#include "support/scrambled_fixture.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

namespace trelkin {
namespace {

using testing::sjis;

xml::Document parse(const char* utf8) {
    return xml::parseDocument(utf8);
}

xml::Element child(const xml::Document& document, const char* name) {
    return xml::childElement(document.documentElement(), QString::fromUtf8(name));
}

using testing::errorOf;

TEST(XmlTest, MissingElementsAndAttributesReadAsEmpty) {
    const xml::Document document = parse("<r><a x=\"1\">text</a><a>second</a><e/></r>");
    EXPECT_EQ(xml::textOf(child(document, "a")), "text") << "the first of two siblings is used";
    EXPECT_EQ(xml::attributeOf(child(document, "a"), QStringLiteral("x")), "1");
    EXPECT_EQ(xml::attributeOf(child(document, "a"), QStringLiteral("y")), "");
    EXPECT_EQ(xml::textOf(child(document, "e")), "");

    const xml::Element missing = child(document, "A");
    EXPECT_EQ(xml::textOf(missing), "") << "names match case-sensitively";
    EXPECT_EQ(xml::attributeOf(missing, QStringLiteral("x")), "");
    EXPECT_TRUE(xml::childNodes(missing).empty());
    EXPECT_EQ(xml::textOf(xml::childElement(missing, QStringLiteral("deeper"))), "");
}

TEST(XmlTest, TextMustBeOneRunOfText) {
    const xml::Document document =
        parse("<r><plain>a &amp; b</plain><blank>   </blank><cdata><![CDATA[<x>]]></cdata><nested><b>x</b></nested>"
              "<comment><!--c--></comment><mixed>t<![CDATA[u]]></mixed></r>");
    EXPECT_EQ(xml::textOf(child(document, "plain")), "a & b");
    EXPECT_EQ(xml::textOf(child(document, "blank")), "") << "whitespace-only text is dropped by the parser";
    EXPECT_EQ(xml::textOf(child(document, "cdata")), "<x>");
    for (const char* name : {"nested", "comment", "mixed"})
        EXPECT_EQ(errorOf([&] { xml::textOf(child(document, name)); }), "要素は単純テキストノードを含んでいません")
            << name;
}

TEST(XmlTest, EveryChildNodeCountsAndNonElementsReadAsEmpty) {
    const xml::Document document = parse("<r><list>\n  <a>1</a>\n  <!-- note -->\n  <b>2</b>\n  <?pi x?></list></r>");
    const std::vector<xml::Element> children = xml::childNodes(child(document, "list"));
    ASSERT_EQ(children.size(), 4u);
    EXPECT_EQ(xml::textOf(children[0]), "1");
    EXPECT_EQ(xml::textOf(children[1]), "");
    EXPECT_EQ(xml::textOf(children[2]), "2");
    EXPECT_EQ(xml::attributeOf(children[3], QStringLiteral("x")), "");
}

TEST(XmlTest, IntegerErrorsShowTheOffendingTextAsTheUserReadsIt) {
    EXPECT_EQ(xml::integerOf(" -$10"), -16);
    EXPECT_EQ(errorOf([] { xml::integerOf(sjis("１０")); }), "'１０' は整数ではありません");
}

TEST(XmlTest, AQuotedTextIsCutToAReadableLength) {
    const std::string million(1000000, '9');
    EXPECT_EQ(errorOf([&] { xml::integerOf(million); }), "'" + std::string(63, '9') + "…' は整数ではありません");
    EXPECT_EQ(errorOf([] { xml::integerOf(std::string(64, 'x')); }),
              "'" + std::string(64, 'x') + "' は整数ではありません");
    EXPECT_EQ(shortenedForMessage(QString(70, QChar(u'頭'))), QString(63, QChar(u'頭')) + QChar(u'…'));
}

TEST(XmlTest, TheDeclarationDecidesTheDecodingAndTextsComeBackAsShiftJis) {
    QStringEncoder encoder("windows-31j");
    const QByteArray shiftJis =
        encoder.encode(QStringLiteral("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><r><a v=\"①\">10～14</a></r>"));
    const xml::Document declared = xml::parseDocument(std::string_view(shiftJis.constData(), shiftJis.size()));
    EXPECT_EQ(xml::textOf(child(declared, "a")), sjis("10～14"));
    EXPECT_EQ(xml::attributeOf(child(declared, "a"), QStringLiteral("v")), sjis("①"));
    EXPECT_EQ(fromCp932(xml::textOf(child(declared, "a"))).at(2), QChar(0xFF5E));

    const xml::Document undeclared = parse("<r><a>頭①</a></r>");
    EXPECT_EQ(xml::textOf(child(undeclared, "a")), sjis("頭①")) << "UTF-8 without a declaration";
    EXPECT_EQ(xml::textOf(child(parse("<r><a>€</a></r>"), "a")), "?") << "no code page 932 character";
}

TEST(XmlTest, MalformedDocumentsFailWithTheParsersMessageAndPosition) {
    EXPECT_EQ(errorOf([] { parse("<r>\n<a>x</b></r>"); }), "Opening and ending tag mismatch. (2 行 8 列)");
    EXPECT_NE(errorOf([] { parse(""); }), "no error");
    EXPECT_NE(errorOf([] { parse("<r><a></r>"); }), "no error");
}

// The texts of an element and of everything below it, one after another.
std::string everyText(const xml::Element& element) {
    std::string texts;
    try {
        texts = xml::textOf(element);
    } catch (const Error&) {
        // Not one run of text: its children are read instead.
    }
    for (const xml::Element& child : xml::childNodes(element))
        texts += everyText(child);
    return texts;
}

TEST(XmlTest, NeverFetchesExternalEntities) {
    testing::DataDirectory dir;
    const QString secret = dir.writeRaw("secret.txt", "TOP SECRET");
    const QByteArray url = ("file://" + secret).toUtf8();

    const xml::Document systemId =
        xml::parseDocument(("<!DOCTYPE r SYSTEM \"" + url + "\"><r><a>plain</a></r>").toStdString());
    EXPECT_EQ(xml::textOf(child(systemId, "a")), "plain");

    const xml::Document entity = xml::parseDocument(
        ("<!DOCTYPE r [<!ENTITY e SYSTEM \"" + url + "\">]><r><a>&e;</a><b>x&e;y</b></r>").toStdString());
    EXPECT_EQ(xml::textOf(child(entity, "a")), "");
    EXPECT_EQ(everyText(entity.documentElement()).find("SECRET"), std::string::npos);

    const xml::Document passwd = parse("<!DOCTYPE r [<!ENTITY e SYSTEM \"file:///etc/passwd\">]><r><a>&e;</a></r>");
    EXPECT_EQ(xml::textOf(child(passwd, "a")), "");
}

} // namespace
} // namespace trelkin
