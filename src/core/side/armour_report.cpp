#include "core/side/armour_report.h"

#include "core/desktop/open_failure.h"

#include <QUrl>
#include <algorithm>

namespace trelkin {
namespace {

const QString kLineBreak = QStringLiteral("%0D%0A");
const QString kCheckedMark = QStringLiteral("■");
const QString kUncheckedMark = QStringLiteral("□");

// A row's name is trimmed of the characters up to and including the space; an ideographic space stays.
bool isBlankOrControl(QChar c) {
    return c.unicode() <= u' ';
}

bool isBlankName(const QString& name) {
    return std::all_of(name.begin(), name.end(), isBlankOrControl);
}

QString number(std::int32_t value) {
    return QString::number(value);
}

QString wearerLine(bool checked, const QString& wearer) {
    return (checked ? kCheckedMark : kUncheckedMark) + wearer;
}

void appendRows(QStringList& lines, const std::array<ReportRow, kReportRowCount>& rows) {
    for (const ReportRow& row : rows)
        if (!isBlankName(row.Name))
            lines << row.Name + u'(' + number(row.Value) + u')';
}

QString resistanceLine(const ArmourReportForm& form) {
    return QStringLiteral("火：") + number(form.Fire) + QStringLiteral(" 水：") + number(form.Water) +
           QStringLiteral(" 雷：") + number(form.Thunder) + QStringLiteral(" 龍：") + number(form.Dragon);
}

QStringList bodyLines(const ArmourReportForm& form) {
    QStringList lines{
        QStringLiteral("【装備箇所】") + form.Slot,
        QStringLiteral("【名称】") + form.Name,
        QStringLiteral("【防御力】") + number(form.Def),
        QStringLiteral("【RARE】") + number(form.Rare),
        QString(),
        QStringLiteral("【装備可能者】"),
        wearerLine(form.Male, QStringLiteral("男")),
        wearerLine(form.Female, QStringLiteral("女")),
        wearerLine(form.Swordsman, QStringLiteral("剣士")),
        wearerLine(form.Gunner, QStringLiteral("ガンナー")),
        QString(),
        QStringLiteral("【属性】"),
        resistanceLine(form),
        QStringLiteral("【生産価格】") + number(form.Production),
        QString(),
        QStringLiteral("【生産素材】"),
    };
    appendRows(lines, form.Materials);
    lines << QString() << QStringLiteral("【スキル】");
    appendRows(lines, form.Skills);
    return lines;
}

// The URL around its two parts; each part arrives already written as the caller wants it.
QString mailtoUrl(const QString& address, const QString& subject, const QString& body) {
    return QStringLiteral("mailto:") + address + QStringLiteral("?subject=") + subject + QStringLiteral("&body=") +
           body;
}

QString asTyped(const QString& text) {
    return text;
}

QString encoded(const QString& text) {
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

// The body lines, each written by `write` and followed by a line break.
QString bodyText(const QStringList& lines, QString (*write)(const QString&)) {
    QString body;
    for (const QString& line : lines)
        body += write(line) + kLineBreak;
    return body;
}

} // namespace

ArmourReport composeArmourReport(const ArmourReportForm& form) {
    return {QStringLiteral("防具情報提供 【") + form.Slot + u'】', bodyLines(form)};
}

QString reportBodyText(const ArmourReport& report) {
    return bodyText(report.BodyLines, asTyped);
}

QString reportUrlText(const ArmourReport& report, const QString& address) {
    return mailtoUrl(address, report.Subject, reportBodyText(report));
}

QString encodedReportUrl(const ArmourReport& report, const QString& address) {
    return mailtoUrl(address, encoded(report.Subject), bodyText(report.BodyLines, encoded));
}

std::optional<QString> reportRefusal(const QString& encodedUrl) {
    if (encodedUrl.size() <= kLongestDesktopUrl)
        return std::nullopt;
    return QStringLiteral(
               "報告が長すぎるため送信できません (URL %1 文字、上限 %2 文字)。名前や素材、スキルの欄を短くしてください")
        .arg(encodedUrl.size())
        .arg(kLongestDesktopUrl);
}

} // namespace trelkin
