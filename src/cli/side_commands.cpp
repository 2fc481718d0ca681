#include "cli/side_commands.h"

#include "cli/cli_output.h"
#include "cli/option_parser.h"
#include "core/data/armour_slot.h"
#include "core/data/armour_tables.h"
#include "core/data/common_prepare.h"
#include "core/data/common_weapon.h"
#include "core/data/data_file_path.h"
#include "core/data/data_lint.h"
#include "core/side/armour_report.h"
#include "core/side/item_list.h"
#include "core/side/side_addresses.h"
#include "core/text/count_text.h"
#include "core/text/integer_reader.h"

#include <functional>
#include <map>
#include <ostream>

namespace trelkin::cli {
namespace {

using Values = std::vector<std::string>;

// What the report's options fill in: the form, and how many material and skill rows are taken.
struct ReportArguments {
    ArmourReportForm form;
    size_t materialRows = 0;
    size_t skillRows = 0;
};

struct ReportOption {
    size_t valueCount;
    std::function<void(ReportArguments&, const Values&)> apply;
};

QString text(const std::string& argument) {
    return QString::fromStdString(argument);
}

// As the form's integer fields read it.
std::int32_t fieldValue(const std::string& argument) {
    return readIntegerField(argument);
}

// ComboBox6 offers the five slot captions and nothing else.
QString slotArgument(const std::string& argument) {
    for (const ArmourSlot slot : kArmourSlots)
        if (utf8(slotCaption(slot)) == argument)
            return text(argument);
    throw UsageError{"unknown slot '" + argument + "'"};
}

ReportOption integerOption(std::int32_t ArmourReportForm::*field) {
    return {1, [field](ReportArguments& arguments, const Values& values) {
                arguments.form.*field = fieldValue(values[0]);
            }};
}

ReportOption uncheckOption(bool ArmourReportForm::*field) {
    return {0, [field](ReportArguments& arguments, const Values&) { arguments.form.*field = false; }};
}

// Fills the next of the five rows with a name and a number.
ReportOption rowOption(std::array<ReportRow, kReportRowCount> ArmourReportForm::*rows, size_t ReportArguments::*used) {
    return {2, [rows, used](ReportArguments& arguments, const Values& values) {
                size_t& row = arguments.*used;
                if (row == kReportRowCount)
                    throw UsageError{"at most " + std::to_string(kReportRowCount) + " rows of each kind"};
                (arguments.form.*rows)[row++] = {text(values[0]), fieldValue(values[1])};
            }};
}

const std::map<std::string, ReportOption>& reportOptions() {
    static const std::map<std::string, ReportOption> options{
        {"--slot", {1, [](ReportArguments& a, const Values& v) { a.form.Slot = slotArgument(v[0]); }}},
        {"--name", {1, [](ReportArguments& a, const Values& v) { a.form.Name = text(v[0]); }}},
        {"--def", integerOption(&ArmourReportForm::Def)},
        {"--rare", integerOption(&ArmourReportForm::Rare)},
        {"--price", integerOption(&ArmourReportForm::Production)},
        {"--fire", integerOption(&ArmourReportForm::Fire)},
        {"--water", integerOption(&ArmourReportForm::Water)},
        {"--thunder", integerOption(&ArmourReportForm::Thunder)},
        {"--dragon", integerOption(&ArmourReportForm::Dragon)},
        {"--no-male", uncheckOption(&ArmourReportForm::Male)},
        {"--no-female", uncheckOption(&ArmourReportForm::Female)},
        {"--no-swordsman", uncheckOption(&ArmourReportForm::Swordsman)},
        {"--no-gunner", uncheckOption(&ArmourReportForm::Gunner)},
        {"--material", rowOption(&ArmourReportForm::Materials, &ReportArguments::materialRows)},
        {"--skill", rowOption(&ArmourReportForm::Skills, &ReportArguments::skillRows)},
    };
    return options;
}

ArmourReportForm reportForm(const Values& arguments) {
    std::vector<KnownOption> known;
    for (const auto& [name, option] : reportOptions())
        known.push_back({name, option.valueCount});
    ReportArguments parsed;
    for (const auto& [name, values] : parseArguments(arguments, known).options)
        reportOptions().at(name).apply(parsed, values);
    return parsed.form;
}

// The three data files, as the program loads them.
struct AllTables {
    TPrepareDatas recipes;
    ArmourTables armour;
    weapon::TWeaponDatas weapons;
};

void loadAllTables(const QString& directory, AllTables& tables) {
    LoadPrepareData(dataFilePathIn(directory, kPrepareFileName), tables.recipes);
    loadArmourTables(dataFilePathIn(directory, kGuardFileName), tables.armour);
    weapon::LoadWeaponData(dataFilePathIn(directory, kWeaponFileName), tables.weapons);
}

} // namespace

int itemsCommand(CommandContext& context) {
    parseArguments(context.arguments, {});
    AllTables tables;
    try {
        loadAllTables(context.dataDirectory, tables);
    } catch (const Error& error) {
        return reportError(context.err, error);
    }
    const std::vector<std::string> names = FillItemList(tables.recipes, tables.armour, tables.weapons);
    for (const std::string& name : names)
        context.out << utf8(name) << '\n';
    context.out << utf8(countText(names.size())) << '\n';
    return kExitOk;
}

int lintCommand(CommandContext& context) {
    // The data directory may also follow the command, as people who make data files tend to type it.
    for (const auto& [option, values] : parseArguments(context.arguments, {{"--data-dir"}}).options)
        context.dataDirectory = QString::fromStdString(values[0]);
    AllTables tables;
    try {
        loadAllTables(context.dataDirectory, tables);
    } catch (const Error& error) {
        return reportError(context.err, error);
    }
    const std::vector<LintFinding> findings = lintDataFiles(tables.recipes, tables.armour, tables.weapons);
    for (const LintFinding& finding : findings)
        context.out << finding.line().toStdString() << '\n';
    return findings.empty() ? kExitOk : kExitFailure;
}

int reportCommand(CommandContext& context) {
    const ArmourReport report = composeArmourReport(reportForm(context.arguments));
    context.out << "body\t" << reportBodyText(report).toStdString() << '\n';
    context.out << "url\t" << reportUrlText(report, reportAddress()).toStdString() << '\n';
    context.out << "encoded-url\t" << encodedReportUrl(report, reportAddress()).toStdString() << '\n';
    return kExitOk;
}

} // namespace trelkin::cli
