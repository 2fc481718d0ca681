#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace trelkin {

// The armour information report: what the "情報提供" form holds, and the mail composed from it.

inline constexpr std::size_t kReportRowCount = 5;

// A material row (name and count) or a skill row (name and points) of the form.
struct ReportRow {
    QString Name; // as typed
    std::int32_t Value = 0;
};

// The form's fields: texts as typed, integers as their fields read them.
struct ArmourReportForm {
    QString Slot;                // ComboBox6
    QString Name;                // Edit1
    std::int32_t Def = 0;        // SpinEdit5
    std::int32_t Rare = 0;       // SpinEdit21
    std::int32_t Production = 0; // SpinEdit6
    std::int32_t Fire = 0;       // SpinEdit17 to SpinEdit20
    std::int32_t Water = 0;
    std::int32_t Thunder = 0;
    std::int32_t Dragon = 0;
    bool Male = true; // CheckBoxMan, CheckBoxFamel, CheckBoxSwordman, CheckBoxGunner
    bool Female = true;
    bool Swordsman = true;
    bool Gunner = true;
    std::array<ReportRow, kReportRowCount> Materials{}; // ComboBox12/SpinEdit12 to ComboBox16/SpinEdit16
    std::array<ReportRow, kReportRowCount> Skills{};    // ComboBox7/SpinEdit7 to ComboBox11/SpinEdit11
};

// The composed mail. The body is kept as its lines, each of which ends with a line break, so that a line break
// of ours stays apart from anything the user typed, "%0D%0A" included.
struct ArmourReport {
    QString Subject;
    QStringList BodyLines;
};

// The subject "防具情報提供 【<slot>】" and the body lines. A material or skill row is left out when its name,
// trimmed of blanks and control characters, is empty; otherwise the name is written as typed.
ArmourReport composeArmourReport(const ArmourReportForm& form);

// The body as one text, each line break written as "%0D%0A".
QString reportBodyText(const ArmourReport& report);

// "mailto:<address>?subject=<subject>&body=<body>" with nothing escaped but the line breaks.
QString reportUrlText(const ArmourReport& report, const QString& address);

// The same mail as a well-formed URL: subject and body percent-encoded as UTF-8, every character the user typed
// included, and each line break as "%0D%0A", so that the mail program receives exactly the composed subject and
// body.
QString encodedReportUrl(const ArmourReport& report, const QString& address);

// Why an encoded report cannot be handed to the desktop, or nothing when it can: a URL longer than the desktop
// takes is refused before anything is started, "報告が長すぎるため送信できません (URL <n> 文字、上限 <max> 文字)。…".
std::optional<QString> reportRefusal(const QString& encodedUrl);

} // namespace trelkin
