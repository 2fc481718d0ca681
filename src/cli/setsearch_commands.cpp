#include "cli/setsearch_commands.h"

#include "cli/cli_output.h"
#include "core/setsearch/set_result_reader.h"
#include "core/setsearch/set_search_run.h"
#include "core/text/integer_reader.h"

#include <limits>
#include <optional>
#include <ostream>

namespace trelkin::cli {
namespace {

// The blank item of a wearer selector, as the command line names it.
const QString kAnyChoice = QStringLiteral("any");

struct SetSearchOptions {
    SetSearchQuery query;
    bool countOnly = false;
    std::uint64_t from = 0;
    std::uint64_t limit = std::numeric_limits<std::uint64_t>::max();
};

// A defence limit as its check box and spin edit hold it: none for "off" (the box cleared).
std::optional<std::int32_t> defenceLimit(const std::string& value) {
    if (value == "off")
        return std::nullopt;
    if (const auto limit = readInteger(value))
        return *limit;
    throw UsageError{"a defence limit is a number or off"};
}

// The item of a wearer selector that the argument names ("any" for the blank one).
int choiceArgument(const QStringList& items, const std::string& value, const char* option) {
    const QString text = QString::fromStdString(value);
    const int item = text == kAnyChoice ? 0 : items.indexOf(text);
    if (item <= 0 && text != kAnyChoice)
        throw UsageError{std::string(option) + " takes " + items.mid(1).join(", ").toStdString() + " or any"};
    return item;
}

std::uint64_t countArgument(const std::string& value, const std::string& option) {
    if (const auto count = readCount(value))
        return *count;
    throw UsageError{option + " takes a whole number of blocks"};
}

SetSearchOptions searchOptions(const ParsedArguments& parsed) {
    SetSearchOptions options;
    SetSearchQuery& query = options.query;
    std::size_t wishes = 0;
    std::optional<std::int32_t> eachDef = query.MinEachDef;
    std::optional<std::int32_t> totalDef = query.MinTotalDef;
    for (const auto& [option, values] : parsed.options) {
        const std::string& value = values.empty() ? std::string() : values[0];
        if (option == "--skill") {
            if (wishes == SetSearchQuery::kWantedSkillCount)
                throw UsageError{"at most three --skill options"};
            query.WantedSkills[wishes++] = cp932Argument(value);
        } else if (option == "--sex") {
            query.sex = sexOfChoice(choiceArgument(sexChoiceItems(), value, "--sex"));
        } else if (option == "--class") {
            query.wearerClass = classOfChoice(choiceArgument(classChoiceItems(), value, "--class"));
        } else if (option == "--min-each") {
            eachDef = defenceLimit(value);
        } else if (option == "--min-total") {
            totalDef = defenceLimit(value);
        } else if (option == "--count") {
            options.countOnly = true;
        } else if (option == "--from") {
            options.from = countArgument(value, option);
        } else {
            options.limit = countArgument(value, option);
        }
    }
    if (!SetSearchQuery::mayStart(query.WantedSkills, eachDef.has_value(), totalDef.has_value()))
        throw UsageError{"nothing to search for: give a --skill, or a --min-each or --min-total that is not off"};
    query.MinEachDef = eachDef.value_or(0);
    query.MinTotalDef = totalDef.value_or(0);
    return options;
}

// The blocks from `from` on, at most `limit` of them, read in order without walking the blocks before.
void printBlocks(std::ostream& out, const SetSearchResult& result, std::uint64_t from, std::uint64_t limit) {
    SetResultReader reader(result);
    writeBlockTexts(reader, from, limit, [&](const std::string& block) { out << utf8(block); });
}

int setSearch(CommandContext& context, const ParsedArguments& parsed) {
    const SetSearchOptions options = searchOptions(parsed);
    return withDataFile<ArmourTables>(context, kGuardFileName, loadArmourTables, [&](const ArmourTables& tables) {
        SetSearchRun run(tables, options.query);
        run.wait();
        const std::shared_ptr<const SetSearchResult> result = run.result();
        if (options.countOnly)
            context.out << (result ? result->size() : 0) << '\n';
        else if (result)
            printBlocks(context.out, *result, options.from, options.limit);
        const QString failure = setSearchEndMessage(run.end());
        return failure.isEmpty() ? kExitOk : reportError(context.err, Error(failure));
    });
}

std::vector<std::string> choiceWords(const QStringList& items) {
    std::vector<std::string> words;
    for (const QString& item : items.mid(1))
        words.push_back(item.toStdString());
    words.push_back(kAnyChoice.toStdString());
    return words;
}

} // namespace

CommandGroup setSearchCommands() {
    const OptionValue defenceLimit{"N", {"off"}};
    return {"Set search (every head, body, arm, waist and leg combination; defaults as the page starts)",
            {
                {"set-search",
                 {},
                 {{"--skill", {{"NAME"}}, true},
                  {"--sex", {{"", choiceWords(sexChoiceItems())}}},
                  {"--class", {{"", choiceWords(classChoiceItems())}}},
                  {"--min-each", {defenceLimit}},
                  {"--min-total", {defenceLimit}},
                  {"--count"},
                  {"--from", {{"K"}}},
                  {"--limit", {{"N"}}}},
                 false,
                 "the result blocks of every matching set (from block K, counted from 0,\n"
                 "at most N of them), or only their number\n",
                 setSearch},
            }};
}

} // namespace trelkin::cli
