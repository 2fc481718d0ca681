#include "cli/option_parser.h"

#include <algorithm>

namespace trelkin::cli {
namespace {

std::string joined(const std::vector<std::string>& parts, const std::string& separator) {
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : separator) + part;
    return text;
}

std::string valueText(const OptionValue& value) {
    std::vector<std::string> choices = value.words;
    if (!value.placeholder.empty())
        choices.insert(choices.begin(), value.placeholder);
    return joined(choices, "|");
}

std::string optionText(const CommandOption& option) {
    std::string text = option.name;
    for (const OptionValue& value : option.values)
        text += ' ' + valueText(value);
    return text;
}

std::string valuesNeeded(const CommandOption& option) {
    return option.name + (option.values.size() == 1 ? " needs a value"
                                                    : " needs " + std::to_string(option.values.size()) + " values");
}

} // namespace

ParsedArguments parseArguments(const std::vector<std::string>& arguments, const Command& command) {
    ParsedArguments parsed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (!arguments[i].starts_with("--")) {
            parsed.positionals.push_back(arguments[i]);
            continue;
        }
        const auto option = std::find_if(command.options.begin(), command.options.end(),
                                         [&](const CommandOption& known) { return known.name == arguments[i]; });
        if (option == command.options.end())
            throw UsageError{"unknown option '" + arguments[i] + "'"};
        const std::size_t valueCount = option->values.size();
        if (arguments.size() - i - 1 < valueCount)
            throw UsageError{valuesNeeded(*option)};
        const auto first = arguments.begin() + std::ptrdiff_t(i) + 1;
        parsed.options.emplace_back(arguments[i], std::vector<std::string>(first, first + std::ptrdiff_t(valueCount)));
        i += valueCount;
    }
    if (parsed.positionals.size() != command.positionals.size())
        throw UsageError{"wrong number of arguments"};
    if (command.exactlyOneOption && parsed.options.size() != 1)
        throw UsageError{command.name + " needs " + synopsis(command).substr(command.name.size() + 1)};
    return parsed;
}

std::string synopsis(const Command& command) {
    std::vector<std::string> parts{command.name};
    std::vector<std::string> options;
    for (const CommandOption& option : command.options)
        options.push_back(command.exactlyOneOption ? optionText(option)
                                                   : '[' + optionText(option) + ']' + (option.repeatable ? "..." : ""));
    if (!options.empty())
        parts.push_back(joined(options, command.exactlyOneOption ? " | " : " "));
    parts.insert(parts.end(), command.positionals.begin(), command.positionals.end());
    return joined(parts, " ");
}

} // namespace trelkin::cli
