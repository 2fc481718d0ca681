#include "cli/armour_commands.h"

#include "cli/cli_output.h"
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

std::optional<ArmourSlot> searchSlotArgument(const std::string& argument) {
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

const std::array<const char*, kArmourSlotCount> kSlotOptions{"--head", "--body", "--arm", "--waist", "--leg"};

int skills(CommandContext& context, const ParsedArguments&) {
    return withArmourTables(context, [&](const ArmourTables& tables) {
        for (const SkillListRow& row : skillListRows(tables.SkillDatas))
            printLine(context.out, std::array{row.Skill, row.Name, row.Range, row.Effect});
    });
}

int armour(CommandContext& context, const ParsedArguments& parsed) {
    std::string skill;
    std::string material;
    std::optional<ArmourSlot> slot;
    std::vector<int> clicks;
    for (const auto& [option, values] : parsed.options) {
        const std::string& value = values[0];
        if (option == "--skill")
            skill = cp932Argument(value);
        else if (option == "--material")
            material = cp932Argument(value);
        else if (option == "--slot")
            slot = searchSlotArgument(value);
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

int evaluate(CommandContext& context, const ParsedArguments& parsed) {
    ArmourSelection selection;
    for (const auto& [option, values] : parsed.options) {
        const auto slot = std::find(kSlotOptions.begin(), kSlotOptions.end(), option);
        selection.Names[size_t(slot - kSlotOptions.begin())] = cp932Argument(values[0]);
    }
    return withArmourTables(context, [&](const ArmourTables& tables) {
        printEvaluation(context.out, EvaluateArmourSet(tables, selection));
    });
}

std::vector<std::string> searchSlotWords() {
    std::vector<std::string> words;
    for (const std::string& item : slotChoiceItems())
        words.push_back(utf8(item));
    return words;
}

std::vector<CommandOption> slotNameOptions() {
    std::vector<CommandOption> options;
    for (const char* option : kSlotOptions)
        options.push_back({option, {{"NAME"}}});
    return options;
}

} // namespace

CommandGroup armourCommands() {
    return {"Armour (names are given and printed as UTF-8; columns are separated by tabs)",
            {
                {"skills", {}, {}, false, "every row of the skill list\n", skills},
                {"armour",
                 {},
                 {{"--skill", {{"S"}}},
                  {"--material", {{"M"}}},
                  {"--slot", {{"", searchSlotWords()}}},
                  {"--click", {{"COLUMN"}}, true}},
                 false,
                 "the armour search list after the given header clicks, then the count\n",
                 armour},
                {"evaluate",
                 {},
                 slotNameOptions(),
                 false,
                 "the set's totals, skill and material grids (cells as colour:text)\nand activated skills\n",
                 evaluate},
            }};
}

} // namespace trelkin::cli
