#pragma once

#include <QString>
#include <functional>
#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

namespace trelkin::cli {

// Exit statuses of trelkin-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// Thrown by a command whose arguments are wrong; the dispatcher prints a short hint and exits with kExitUsage.
struct UsageError {
    std::string message;
};

// What every command gets besides its arguments: the data directory, and where to write.
struct CommandContext {
    QString dataDirectory;
    std::ostream& out;
    std::ostream& err;
};

// One value that follows an option: a placeholder ("NAME"), fixed words ("男", "女", "any"), or both ("N" or
// "off"). The usage shows them joined by "|"; the completion offers the words.
struct OptionValue {
    std::string placeholder;
    std::vector<std::string> words = {};
};

// An option a command takes: its name ("--skill"), the values that follow it (none for a flag), and whether it
// may be given more than once.
struct CommandOption {
    std::string name;
    std::vector<OptionValue> values = {};
    bool repeatable = false;
};

// A command's arguments as given: the options in order, each with its values, and the positional arguments.
struct ParsedArguments {
    std::vector<std::pair<std::string, std::vector<std::string>>> options;
    std::vector<std::string> positionals;

    bool has(const std::string& name) const;
};

// An option together with what it sets in the arguments a command gathers.
template <typename Gathered> struct AppliedOption {
    CommandOption option;
    std::function<void(Gathered&, const std::vector<std::string>& values)> apply;
};

// The options alone, for the command's record.
template <typename Gathered>
std::vector<CommandOption> describedOptions(const std::vector<AppliedOption<Gathered>>& applied) {
    std::vector<CommandOption> options;
    for (const AppliedOption<Gathered>& option : applied)
        options.push_back(option.option);
    return options;
}

// Applies the parsed options, in the order given, to `gathered`.
template <typename Gathered>
void applyOptions(const ParsedArguments& parsed, const std::vector<AppliedOption<Gathered>>& applied,
                  Gathered& gathered) {
    for (const auto& [name, values] : parsed.options)
        for (const AppliedOption<Gathered>& option : applied)
            if (option.option.name == name)
                option.apply(gathered, values);
}

// One command of trelkin-cli, described once: the parser, the usage text, the completion and the manual all
// follow this record.
struct Command {
    std::string name;
    std::vector<std::string> positionals; // the placeholders of its positional arguments, in order
    std::vector<CommandOption> options;
    bool exactlyOneOption = false; // one of the options must be given, and only one
    std::string description;       // what it prints, as the usage explains it; lines end in '\n'
    std::function<int(CommandContext&, const ParsedArguments&)> run;
};

// The commands of one part of the program, under the usage text's heading for them.
struct CommandGroup {
    std::string heading;
    std::vector<Command> commands;
};

} // namespace trelkin::cli
