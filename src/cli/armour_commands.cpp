#include "cli/armour_commands.h"

#include "cli/cli_output.h"
#include "cli/option_parser.h"
#include "core/armour/armour_search.h"
#include "core/armour/armour_selectors.h"
#include "core/armour/evaluation.h"
#include "core/armour/grid_cell_colour.h"
#include "core/data/armour_tables.h"
#include "core/data/data_file_path.h"
#include "core/text/integer_reader.h"

#include <algorithm>
#include <array>
#include <optional>
#include <ostream>
#include <utility>
#include <vector>

namespace trelkin::cli {
namespace {

// One line of tab-separated code page 932 texts, written as UTF-8.
template <typename Texts> void printLine(std::ostream& out, const Texts& texts) {
    bool first = true;
    for (const auto& text : texts) {
        out << (first ? "" : "\t") << utf8(text);
        first = false;
    }
    out << '\n';
}

// Loads the armour file of the data directory and runs the printer over it.
template <typename Print> int withArmourTables(CommandContext& context, Print print) {
    return withDataFile<ArmourTables>(context, kGuardFileName, loadArmourTables, print);
}

std::optional<ArmourSlot> slotArgument(const std::string& argument) {
    const std::vector<std::string> choices = slotChoiceItems();
    const auto found = std::find(choices.begin(), choices.end(), cp932Argument(argument));
    if (found == choices.end())
        throw UsageError{"unknown slot '" + argument + "'"};
    return slotOfChoice(size_t(found - choices.begin()));
}

int columnArgument(const std::string& argument) {
    const std::optional<std::int32_t> column = readInteger(argument);
    if (!column || *column < 0 || *column >= std::int32_t(kSearchColumnCount))
        throw UsageError{"no column '" + argument + "'"};
    return *column;
}

// A grid cell as its colour word and its text: "blue:12", "red:-6", "blue:" for an empty cell.
std::string colouredCell(const std::string& text, const Rgb& colour) {
    return std::string(colourName(colour)) + ':' + utf8(text);
}

void printGrid(std::ostream& out, const char* caption, const std::vector<EvaluationRow>& rows,
               Rgb (*colourOf)(std::string_view)) {
    out << caption;
    for (const ArmourSlot slot : kArmourSlots)
        out << '\t' << utf8(slotCaption(slot));
    out << '\t' << "計" << '\n';
    for (const EvaluationRow& row : rows) {
        out << utf8(row.Name);
        for (const std::string& cell : row.Cells)
            out << '\t' << colouredCell(cell, colourOf(cell));
        out << '\t' << colouredCell(row.Total, colourOf(row.Total)) << '\n';
    }
}

void printEvaluation(std::ostream& out, const ArmourSetEvaluation& evaluation) {
    const std::pair<const char*, std::int32_t> totals[] = {
        {"防御力", evaluation.TotalDef}, {"生産価格", evaluation.TotalProduction}, {"火", evaluation.TotalFire},
        {"水", evaluation.TotalWater},   {"雷", evaluation.TotalThunder},          {"龍", evaluation.TotalDragon},
    };
    for (const auto& [caption, value] : totals)
        out << caption << '\t' << value << '\n';
    printGrid(out, "スキル値", evaluation.SkillRows, skillCellColour);
    printGrid(out, "生産に必要な素材", evaluation.MaterialRows, materialCellColour);
    out << "発動スキル" << '\n';
    for (const std::string& skill : evaluation.ActivatedSkills)
        out << utf8(skill) << '\n';
}

} // namespace

int skillsCommand(CommandContext& context) {
    parseArguments(context.arguments, {});
    return withArmourTables(context, [&](const ArmourTables& tables) {
        for (const SkillListRow& row : skillListRows(tables.SkillDatas))
            printLine(context.out, std::array{row.Skill, row.Name, row.Range, row.Effect});
    });
}

int armourCommand(CommandContext& context) {
    std::string skill;
    std::string material;
    std::optional<ArmourSlot> slot;
    std::vector<int> clicks;
    for (const auto& [option, values] :
         parseArguments(context.arguments, {{"--skill"}, {"--material"}, {"--slot"}, {"--click"}}).options) {
        const std::string& value = values[0];
        if (option == "--skill")
            skill = cp932Argument(value);
        else if (option == "--material")
            material = cp932Argument(value);
        else if (option == "--slot")
            slot = slotArgument(value);
        else
            clicks.push_back(columnArgument(value));
    }
    return withArmourTables(context, [&](const ArmourTables& tables) {
        std::vector<SearchRow> rows = searchArmour(tables, skill, material, slot);
        SearchSortState sort;
        sortSearchRows(rows, sort);
        for (const int column : clicks) {
            clickColumn(sort, column);
            sortSearchRows(rows, sort);
        }
        for (const SearchRow& row : rows)
            printLine(context.out, row);
        context.out << utf8(countText(rows.size())) << '\n';
    });
}

int evaluateCommand(CommandContext& context) {
    const std::array<std::string, kArmourSlotCount> slotOptions{"--head", "--body", "--arm", "--waist", "--leg"};
    std::vector<KnownOption> known;
    for (const std::string& option : slotOptions)
        known.push_back({option});
    ArmourSelection selection;
    for (const auto& [option, values] : parseArguments(context.arguments, known).options) {
        const auto slot = std::find(slotOptions.begin(), slotOptions.end(), option);
        selection.Names[size_t(slot - slotOptions.begin())] = cp932Argument(values[0]);
    }
    return withArmourTables(context, [&](const ArmourTables& tables) {
        printEvaluation(context.out, EvaluateArmourSet(tables, selection));
    });
}

std::string describeGuardFile(const QString& path) {
    ArmourTables tables;
    loadArmourTables(path, tables);
    std::string pieces;
    for (const ArmourSlot slot : kArmourSlots) {
        if (!pieces.empty())
            pieces += '/';
        pieces += std::to_string(tables.slotTable(slot).size());
    }
    return std::to_string(tables.SkillDatas.size()) + " skill rows, " + pieces + " pieces";
}

} // namespace trelkin::cli
