#include "cli/cli_app.h"

#include "cli/armour_commands.h"
#include "cli/combination_commands.h"
#include "cli/data_commands.h"
#include "cli/option_parser.h"
#include "cli/setsearch_commands.h"
#include "cli/side_commands.h"
#include "cli/weapon_commands.h"

#include <algorithm>
#include <ostream>
#include <sstream>

namespace trelkin::cli {
namespace {

constexpr const char* kUsageHead = R"(usage: trelkin-cli [--data-dir DIR] COMMAND [ARGS]
       trelkin-cli --help | --version | help | COMMAND --help

Exit status: 0 done, 1 a data file could not be read (or a search ended by a failure, or lint found a
finding), 2 a wrong command line.
)";
constexpr const char* kCommandUsagePrefix = "usage: trelkin-cli [--data-dir DIR] ";

// Where a command's description starts, and where its synopsis wraps.
constexpr std::size_t kDescriptionColumn = 29;
constexpr std::size_t kCommandIndent = 2;
constexpr std::size_t kSynopsisWrapIndent = 9;
constexpr std::size_t kLineWidth = 110;

// The synopsis, wrapped before an option where a line would pass the width.
std::string wrappedSynopsis(const Command& command) {
    std::istringstream words(synopsis(command));
    std::string text(kCommandIndent, ' ');
    std::size_t lineStart = 0;
    bool firstWord = true;
    for (std::string word; words >> word; firstWord = false) {
        const bool startsOption = word.starts_with("[") || word.starts_with("--");
        if (!firstWord && startsOption && text.size() - lineStart + 1 + word.size() > kLineWidth) {
            lineStart = text.size() + 1;
            text += '\n' + std::string(kSynopsisWrapIndent, ' ') + word;
        } else {
            text += (firstWord ? "" : " ") + word;
        }
    }
    return text;
}

// A command's lines in the usage: its synopsis, then its description from the description column, beside the
// synopsis where there is room.
std::string commandUsage(const Command& command) {
    std::string text = wrappedSynopsis(command);
    const std::size_t lastLine = text.rfind('\n') + 1;
    std::istringstream description(command.description);
    bool first = true;
    for (std::string line; std::getline(description, line); first = false) {
        const std::size_t used = text.size() - lastLine;
        if (first && used < kDescriptionColumn - 1 && text.find('\n') == std::string::npos)
            text += std::string(kDescriptionColumn - used, ' ');
        else
            text += '\n' + std::string(kDescriptionColumn, ' ');
        text += line;
    }
    return text + '\n';
}

std::string usage() {
    std::string text = kUsageHead;
    for (const CommandGroup& group : commandGroups()) {
        text += '\n' + group.heading + ":\n";
        for (const Command& command : group.commands)
            text += commandUsage(command);
    }
    return text;
}

const Command* findCommand(const std::string& name) {
    for (const CommandGroup& group : commandGroups())
        for (const Command& command : group.commands)
            if (command.name == name)
                return &command;
    return nullptr;
}

// A wrong command line: what is wrong and where to read more, on standard error.
int usageError(std::ostream& err, const std::string& problem) {
    err << "trelkin-cli: " << problem << "\nTry 'trelkin-cli --help' for more information.\n";
    return kExitUsage;
}

bool asksForHelp(const std::string& argument) {
    return argument == "--help" || argument == "-h";
}

} // namespace

const std::vector<CommandGroup>& commandGroups() {
    static const std::vector<CommandGroup> groups{dataCommands(),      combinationCommands(), armourCommands(),
                                                  setSearchCommands(), weaponCommands(),      sideCommands()};
    return groups;
}

int runCli(const std::vector<std::string>& arguments, const QString& defaultDataDirectory, std::ostream& out,
           std::ostream& err) {
    CommandContext context{defaultDataDirectory, out, err};
    std::vector<std::string> args = arguments;
    if (!args.empty() && args.front() == "--data-dir") {
        if (args.size() < 2)
            return usageError(err, "--data-dir needs a directory");
        context.dataDirectory = QString::fromStdString(args[1]);
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.empty())
        return usageError(err, "a command is needed");
    if (args.front() == "--version") {
        out << "trelkin-cli " << TRELKIN_VERSION << '\n';
        return kExitOk;
    }
    const Command* command = findCommand(args.front());
    const bool help =
        asksForHelp(args.front()) || args.front() == "help" || std::any_of(args.begin() + 1, args.end(), asksForHelp);
    if (help) {
        out << (command ? kCommandUsagePrefix + commandUsage(*command).substr(kCommandIndent) : usage());
        return kExitOk;
    }
    if (!command)
        return usageError(err, "unknown command '" + args.front() + "'");
    args.erase(args.begin());
    try {
        return command->run(context, parseArguments(args, *command));
    } catch (const UsageError& error) {
        return usageError(err, error.message);
    }
}

} // namespace trelkin::cli
