#include "cli/side_commands.h"

#include "cli/cli_output.h"
#include "core/data/armour_slot.h"
#include "core/data/data_tables.h"
#include "core/lint/data_lint.h"
#include "core/side/armour_report.h"
#include "core/side/item_list.h"
#include "core/side/side_addresses.h"
#include "core/text/count_text.h"
#include "core/text/cp932.h"
#include "core/text/integer_reader.h"

#include <functional>
#include <ostream>
#include <utility>

namespace trelkin::cli {
namespace {

using Values = std::vector<std::string>;

// What the report's options fill in: the form, and how many material and skill rows are taken.
struct ReportArguments {
    ArmourReportForm form;
    size_t materialRows = 0;
    size_t skillRows = 0;
};

using ReportOption = AppliedOption<ReportArguments>;

QString text(const std::string& argument) {
    return QString::fromStdString(argument);
}

// As the form's integer fields read it.
std::int32_t fieldValue(const std::string& argument) {
    return readIntegerField(argument);
}

ReportOption integerOption(const char* name, std::int32_t ArmourReportForm::*field) {
    return {{name, {{"N"}}}, [field](ReportArguments& arguments, const Values& values) {
                arguments.form.*field = fieldValue(values[0]);
            }};
}

ReportOption uncheckOption(const char* name, bool ArmourReportForm::*field) {
    return {{name}, [field](ReportArguments& arguments, const Values&) { arguments.form.*field = false; }};
}

// Fills the next of the five rows with a name and a number.
ReportOption rowOption(const char* name, const char* number,
                       std::array<ReportRow, kReportRowCount> ArmourReportForm::*rows, size_t ReportArguments::*used) {
    return {{name, {{"NAME"}, {number}}, true}, [rows, used](ReportArguments& arguments, const Values& values) {
                size_t& row = arguments.*used;
                if (row == kReportRowCount)
                    throw UsageError{"at most " + std::to_string(kReportRowCount) + " rows of each kind"};
                (arguments.form.*rows)[row++] = {text(values[0]), fieldValue(values[1])};
            }};
}

const std::vector<ReportOption>& reportOptions() {
    static const std::vector<ReportOption> options{
        {{"--slot", {{"", slotWords()}}},
         [](ReportArguments& a, const Values& v) { a.form.Slot = fromCp932(slotCaption(slotArgument(v[0]))); }},
        {{"--name", {{"TEXT"}}}, [](ReportArguments& a, const Values& v) { a.form.Name = text(v[0]); }},
        integerOption("--def", &ArmourReportForm::Def),
        integerOption("--rare", &ArmourReportForm::Rare),
        integerOption("--price", &ArmourReportForm::Production),
        integerOption("--fire", &ArmourReportForm::Fire),
        integerOption("--water", &ArmourReportForm::Water),
        integerOption("--thunder", &ArmourReportForm::Thunder),
        integerOption("--dragon", &ArmourReportForm::Dragon),
        uncheckOption("--no-male", &ArmourReportForm::Male),
        uncheckOption("--no-female", &ArmourReportForm::Female),
        uncheckOption("--no-swordsman", &ArmourReportForm::Swordsman),
        uncheckOption("--no-gunner", &ArmourReportForm::Gunner),
        rowOption("--material", "COUNT", &ArmourReportForm::Materials, &ReportArguments::materialRows),
        rowOption("--skill", "POINTS", &ArmourReportForm::Skills, &ReportArguments::skillRows),
    };
    return options;
}

ArmourReportForm reportForm(const ParsedArguments& parsed) {
    ReportArguments arguments;
    applyOptions(parsed, reportOptions(), arguments);
    return arguments.form;
}

// Loads the three data files of the data directory and runs the printer over them.
template <typename Print> int withDataTables(const CommandContext& context, Print print) {
    DataTables tables;
    try {
        loadDataTables(context.dataDirectory, tables);
    } catch (const Error& error) {
        return reportError(context.err, error);
    }
    return print(std::as_const(tables));
}

int items(CommandContext& context, const ParsedArguments&) {
    return withDataTables(context, [&](const DataTables& tables) {
        const std::vector<std::string> names = FillItemList(tables);
        for (const std::string& name : names)
            context.out << utf8(name) << '\n';
        context.out << utf8(countText(names.size())) << '\n';
        return kExitOk;
    });
}

int lint(CommandContext& context, const ParsedArguments& parsed) {
    // The data directory may also follow the command, as people who make data files tend to type it.
    for (const auto& [option, values] : parsed.options)
        if (option == "--data-dir")
            context.dataDirectory = QString::fromStdString(values[0]);
    const bool strict = parsed.has("--strict");
    return withDataTables(context, [&](const DataTables& tables) {
        int status = kExitOk;
        for (const LintEntry& entry : lintDataFiles(tables)) {
            context.out << entry.line().toStdString() << '\n';
            if (entry.kind == LintEntry::Kind::Finding || strict)
                status = kExitFailure;
        }
        return status;
    });
}

int report(CommandContext& context, const ParsedArguments& parsed) {
    const ArmourReport report = composeArmourReport(reportForm(parsed));
    context.out << "body\t" << reportBodyText(report).toStdString() << '\n';
    context.out << "url\t" << reportUrlText(report, reportAddress()).toStdString() << '\n';
    context.out << "encoded-url\t" << encodedReportUrl(report, reportAddress()).toStdString() << '\n';
    return kExitOk;
}

} // namespace

CommandGroup sideCommands() {
    return {"Items and the armour report (names are given and printed as UTF-8)",
            {
                {"items",
                 {},
                 {},
                 false,
                 "every material and crafted item of the three data files, then the count\n",
                 items},
                {"lint",
                 {},
                 {{"--data-dir", {{"DIR"}}}, {"--strict"}},
                 false,
                 "what the three data files hold that the program cannot show as their maker meant (a\n"
                 "finding) or accepts but is worth a look (a note), a line each: \"FILE: record N (NAME):\n"
                 "...\", notes with \"note: \" before the text; status 1 when there is a finding\n"
                 "(--strict: or a note)\n",
                 lint},
                {"report",
                 {},
                 describedOptions(reportOptions()),
                 false,
                 "(up to five of each --material and --skill) the report's body, its mailto URL as\n"
                 "composed, and the URL as handed to the desktop (percent-encoded UTF-8); no data file is read\n",
                 report},
            }};
}

} // namespace trelkin::cli
