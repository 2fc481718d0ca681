#include "cli/setsearch_commands.h"

#include "cli/cli_output.h"
#include "core/setsearch/set_block.h"
#include "core/setsearch/set_search.h"
#include "core/text/integer_reader.h"

#include <ostream>

namespace trelkin::cli {
namespace {

struct SetSearchOptions {
    SetSearchQuery query;
    std::size_t wishes = 0;
    bool countOnly = false;
};

std::int32_t defenceLimit(const std::string& value) {
    if (value == "off")
        return 0;
    if (const auto limit = readInteger(value))
        return *limit;
    throw UsageError{"a defence limit is a number or off"};
}

void applyOption(const std::string& option, const std::string& value, SetSearchOptions& options) {
    SetSearchQuery& query = options.query;
    if (option == "--skill") {
        if (options.wishes == SetSearchQuery::kWantedSkillCount)
            throw UsageError{"at most three --skill options"};
        query.WantedSkills[options.wishes++] = cp932Argument(value);
    } else if (option == "--sex") {
        query.sex = value == "男"    ? SetSearchQuery::Sex::Male
                    : value == "女"  ? SetSearchQuery::Sex::Female
                    : value == "any" ? SetSearchQuery::Sex::Any
                                     : throw UsageError{"--sex takes 男, 女 or any"};
    } else if (option == "--class") {
        query.wearerClass = value == "剣士"       ? SetSearchQuery::WearerClass::Swordsman
                            : value == "ガンナー" ? SetSearchQuery::WearerClass::Gunner
                            : value == "any"      ? SetSearchQuery::WearerClass::Any
                                                  : throw UsageError{"--class takes 剣士, ガンナー or any"};
    } else if (option == "--min-each") {
        query.MinEachDef = defenceLimit(value);
    } else if (option == "--min-total") {
        query.MinTotalDef = defenceLimit(value);
    } else {
        throw UsageError{"unknown option " + option};
    }
}

SetSearchOptions parseOptions(const std::vector<std::string>& arguments) {
    SetSearchOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--count") {
            options.countOnly = true;
            continue;
        }
        if (i + 1 >= arguments.size())
            throw UsageError{arguments[i] + " needs a value"};
        applyOption(arguments[i], arguments[i + 1], options);
        ++i;
    }
    return options;
}

} // namespace

int setSearchCommand(CommandContext& context) {
    const SetSearchOptions options = parseOptions(context.arguments);
    return withDataFile<ArmourTables>(context, kGuardFileName, loadArmourTables, [&](const ArmourTables& tables) {
        SetSearchMonitor monitor;
        std::uint64_t count = 0;
        searchArmourSets(tables, options.query, monitor, [&](std::vector<FoundSet>&& batch) {
            count += batch.size();
            if (!options.countOnly)
                for (const FoundSet& set : batch)
                    context.out << utf8(setBlockText(tables, set));
        });
        if (options.countOnly)
            context.out << count << '\n';
    });
}

} // namespace trelkin::cli
