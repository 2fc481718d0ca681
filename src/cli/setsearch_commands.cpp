#include "cli/setsearch_commands.h"

#include "cli/cli_output.h"
#include "cli/option_parser.h"
#include "core/setsearch/set_block.h"
#include "core/setsearch/set_cursor.h"
#include "core/setsearch/set_search_run.h"
#include "core/text/integer_reader.h"

#include <limits>
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

std::int32_t defenceLimit(const std::string& value) {
    if (value == "off")
        return 0;
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

SetSearchOptions parseOptions(const std::vector<std::string>& arguments) {
    const ParsedArguments parsed = parseArguments(arguments, {{"--skill"},
                                                              {"--sex"},
                                                              {"--class"},
                                                              {"--min-each"},
                                                              {"--min-total"},
                                                              {"--count", 0},
                                                              {"--from"},
                                                              {"--limit"}});
    SetSearchOptions options;
    SetSearchQuery& query = options.query;
    std::size_t wishes = 0;
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
            query.MinEachDef = defenceLimit(value);
        } else if (option == "--min-total") {
            query.MinTotalDef = defenceLimit(value);
        } else if (option == "--count") {
            options.countOnly = true;
        } else if (option == "--from") {
            options.from = countArgument(value, option);
        } else {
            options.limit = countArgument(value, option);
        }
    }
    return options;
}

// The blocks from `from` on, at most `limit` of them, read in order without walking the blocks before.
void printBlocks(std::ostream& out, const SetSearchResult& result, std::uint64_t from, std::uint64_t limit) {
    visitSets(result, from, limit, [&](const FoundSet& set) {
        out << utf8(setBlockText(result.tables(), set));
        return true;
    });
}

} // namespace

int setSearchCommand(CommandContext& context) {
    const SetSearchOptions options = parseOptions(context.arguments);
    return withDataFile<ArmourTables>(context, kGuardFileName, loadArmourTables, [&](const ArmourTables& tables) {
        SetSearchRun run(tables, options.query);
        run.wait();
        const std::shared_ptr<const SetSearchResult> result = run.result();
        if (options.countOnly)
            context.out << (result ? result->size() : 0) << '\n';
        else if (result)
            printBlocks(context.out, *result, options.from, options.limit);
        const QString failure = setSearchEndMessage(run.end());
        if (failure.isEmpty())
            return kExitOk;
        context.err << "trelkin-cli: " << failure.toStdString() << '\n';
        return kExitFailure;
    });
}

} // namespace trelkin::cli
