#include "core/desktop/open_failure.h"
#include "core/side/armour_report.h"
#include "core/text/error.h"

#include <QUrl>
#include <QUrlQuery>
#include <gtest/gtest.h>

namespace trelkin {
namespace {

const QString kAddress = QStringLiteral("report@example.invalid");

QString bodyOf(const ArmourReportForm& form) {
    return reportBodyText(composeArmourReport(form));
}

// The subject and body a mail program reads from the URL.
struct DecodedMail {
    QString subject;
    QString body;
};

DecodedMail decode(const QString& encodedUrl) {
    const QUrl url(encodedUrl, QUrl::StrictMode);
    EXPECT_TRUE(url.isValid()) << url.errorString().toStdString();
    EXPECT_EQ(url.scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(url.path(), kAddress);
    const QUrlQuery query(url);
    EXPECT_EQ(query.queryItems().size(), 2) << "no field the user typed may add a header of its own";
    return {query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
            query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded)};
}

QString withRealLineBreaks(QString composed) {
    return composed.replace(QStringLiteral("%0D%0A"), QStringLiteral("\r\n"));
}

TEST(ArmourReportTest, EmptyFormGivesEveryHeadingWithEmptyValuesAndZeros) {
    const ArmourReport report = composeArmourReport({});
    EXPECT_EQ(reportBodyText(report),
              QStringLiteral("【装備箇所】%0D%0A【名称】%0D%0A【防御力】0%0D%0A【RARE】0%0D%0A"
                             "%0D%0A【装備可能者】%0D%0A■男%0D%0A■女%0D%0A■剣士%0D%0A"
                             "■ガンナー%0D%0A%0D%0A【属性】%0D%0A火：0 水：0 雷：0 龍：0%0D%0A"
                             "【生産価格】0%0D%0A%0D%0A【生産素材】%0D%0A%0D%0A【スキル】%0D%0A"));
    EXPECT_EQ(report.Subject, QStringLiteral("防具情報提供 【】"));
    EXPECT_EQ(reportUrlText(report, kAddress),
              QStringLiteral("mailto:report@example.invalid?subject=防具情報提供 【】&body=") + reportBodyText(report));
}

TEST(ArmourReportTest, FilledFormWritesValuesAndTheNamedRowsAsTyped) {
    ArmourReportForm form;
    form.Slot = QStringLiteral("胴");
    form.Name = QStringLiteral(" レザーメイル ");
    form.Def = -12;
    form.Rare = 3;
    form.Production = 1500;
    form.Fire = -2;
    form.Water = 1;
    form.Thunder = 0;
    form.Dragon = 5;
    form.Materials = {{{QStringLiteral("鉄鉱石"), 2},
                       {QStringLiteral(" \t\u3000"), 9},
                       {QStringLiteral("  \t "), 7},
                       {QStringLiteral(" 竜骨 "), 0},
                       {QString(), 4}}};
    form.Skills = {{{QStringLiteral("攻撃"), 3}, {}, {QStringLiteral("防御"), -2}, {}, {QStringLiteral("火耐性"), 0}}};
    const ArmourReport report = composeArmourReport(form);
    EXPECT_EQ(report.Subject, QStringLiteral("防具情報提供 【胴】"));
    EXPECT_EQ(reportBodyText(report),
              QStringLiteral("【装備箇所】胴%0D%0A【名称】 レザーメイル %0D%0A【防御力】-12%0D%0A【RARE】3%0D%0A"
                             "%0D%0A【装備可能者】%0D%0A■男%0D%0A■女%0D%0A■剣士%0D%0A■ガンナー%0D%0A"
                             "%0D%0A【属性】%0D%0A火：-2 水：1 雷：0 龍：5%0D%0A【生産価格】1500%0D%0A"
                             "%0D%0A【生産素材】%0D%0A鉄鉱石(2)%0D%0A \t\u3000(9)%0D%0A 竜骨 (0)%0D%0A"
                             "%0D%0A【スキル】%0D%0A攻撃(3)%0D%0A防御(-2)%0D%0A火耐性(0)%0D%0A"))
        << "blank rows are left out (an ideographic space is no blank), named rows keep their blanks, "
           "skill rows 1, 3 and 5 follow one another";
}

TEST(ArmourReportTest, UncheckingOneWearerChangesOnlyItsLine) {
    ArmourReportForm form;
    form.Female = false;
    QString expected = bodyOf({});
    expected.replace(QStringLiteral("■女%0D%0A"), QStringLiteral("□女%0D%0A"));
    EXPECT_EQ(bodyOf(form), expected);

    form = {};
    form.Male = form.Swordsman = form.Gunner = false;
    EXPECT_TRUE(bodyOf(form).contains(QStringLiteral("□男%0D%0A■女%0D%0A□剣士%0D%0A□ガンナー%0D%0A")));
}

TEST(ArmourReportTest, EncodedUrlDeliversExactlyTheComposedSubjectAndBody) {
    ArmourReportForm form;
    form.Slot = QStringLiteral("頭");
    form.Name = QStringLiteral("&body=x#y%");
    form.Materials[0] = {QStringLiteral("a+b=c?d&e"), 1};
    form.Skills[1] = {QStringLiteral("100% 攻撃 #1"), -3};
    const ArmourReport report = composeArmourReport(form);
    const QString encoded = encodedReportUrl(report, kAddress);

    EXPECT_TRUE(encoded.startsWith(QStringLiteral("mailto:report@example.invalid?subject=")));
    for (const QChar c : encoded)
        EXPECT_LT(c.unicode(), 0x80) << "every character outside ASCII is percent-encoded";
    EXPECT_FALSE(encoded.contains(u'#'));
    EXPECT_FALSE(encoded.contains(u' '));
    EXPECT_EQ(encoded.count(u'&'), 1);

    const DecodedMail mail = decode(encoded);
    EXPECT_EQ(mail.subject, report.Subject);
    EXPECT_EQ(mail.body, withRealLineBreaks(reportBodyText(report)));
    EXPECT_TRUE(mail.body.contains(QStringLiteral("【名称】&body=x#y%\r\n")));
    EXPECT_TRUE(mail.body.contains(QStringLiteral("100% 攻撃 #1(-3)\r\n")));
}

TEST(ArmourReportTest, TypedLineBreakEscapeStaysText) {
    ArmourReportForm form;
    form.Name = QStringLiteral("a%0D%0Ab");
    const DecodedMail mail = decode(encodedReportUrl(composeArmourReport(form), kAddress));
    EXPECT_TRUE(mail.body.startsWith(QStringLiteral("【装備箇所】\r\n【名称】a%0D%0Ab\r\n【防御力】0\r\n")));
    EXPECT_EQ(mail.subject, QStringLiteral("防具情報提供 【】"));
}

TEST(ArmourReportTest, AReportTooLongForTheDesktopIsRefusedBeforeAnythingStarts) {
    const QString mailto = QStringLiteral("mailto:a?body=");
    EXPECT_EQ(reportRefusal(mailto + QString(kLongestDesktopUrl - mailto.size(), u'x')), std::nullopt);
    const std::optional<QString> refusal = reportRefusal(mailto + QString(kLongestDesktopUrl, u'x'));
    ASSERT_TRUE(refusal.has_value());
    EXPECT_TRUE(
        refusal->startsWith(QStringLiteral("報告が長すぎるため送信できません (URL 131085 文字、上限 131071 文字)")))
        << refusal->toStdString();

    ArmourReportForm form;
    form.Name = QString(15000, u'兜'); // nine bytes a character once encoded
    EXPECT_TRUE(reportRefusal(encodedReportUrl(composeArmourReport(form), QStringLiteral("a@b"))).has_value());
}

TEST(OpenFailureTest, MessagesByFailureNumber) {
    const std::pair<int, QString> table[] = {
        {0, QStringLiteral("メモリまたはリソースが不足しています。 (0)")},
        {2, QStringLiteral("指定されたファイルが見つかりません。 (2)")},
        {3, QStringLiteral("指定されたパスが見つかりません。 (3)")},
        {11, QStringLiteral("指定されたExeファイルが無効です。 (11)")},
        {1, QStringLiteral("Exec Error 1")},
        {4, QStringLiteral("Exec Error 4")},
        {31, QStringLiteral("Exec Error 31")},
        {-1, QStringLiteral("Exec Error -1")},
    };
    for (const auto& [number, message] : table)
        EXPECT_EQ(openFailureMessage(number), message) << number;
    EXPECT_EQ(withFullStop(openFailureMessage(2)), openFailureMessage(2)) << "a message ending in ')' stays";
    EXPECT_EQ(withFullStop(openFailureMessage(4)), QStringLiteral("Exec Error 4."));
}

TEST(OpenFailureTest, OpenerOutcomesMapToFailureNumbers) {
    EXPECT_EQ(failureOfStart(false), kFileNotFound);
    EXPECT_EQ(failureOfStart(true), kInvalidExecutable);
    EXPECT_EQ(failureOfExit(QProcess::NormalExit, 0), std::nullopt);
    // By meaning: xdg-open's "no such file", "no program for this", "the program failed", anything else.
    EXPECT_EQ(failureOfExit(QProcess::NormalExit, 2), kFileNotFound);
    EXPECT_EQ(failureOfExit(QProcess::NormalExit, 3), kNoAssociation);
    EXPECT_EQ(failureOfExit(QProcess::NormalExit, 4), kActionFailed);
    for (const int exitCode : {1, 127})
        EXPECT_EQ(failureOfExit(QProcess::NormalExit, exitCode), kBadRequest);
    EXPECT_EQ(openFailureMessage(kNoAssociation), QStringLiteral("Exec Error 31"));
    EXPECT_EQ(failureOfExit(QProcess::CrashExit, 0), kOpenerCrashed) << "a crash is never a success";
}

} // namespace
} // namespace trelkin
