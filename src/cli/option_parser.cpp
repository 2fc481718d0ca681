#include "cli/option_parser.h"

#include "cli/cli_app.h"

#include <algorithm>

namespace trelkin::cli {

bool ParsedArguments::has(const std::string& name) const {
    return std::any_of(options.begin(), options.end(), [&](const auto& option) { return option.first == name; });
}

ParsedArguments parseArguments(const std::vector<std::string>& arguments, const std::vector<KnownOption>& known,
                               std::size_t positionalCount) {
    ParsedArguments parsed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (!arguments[i].starts_with("--")) {
            parsed.positionals.push_back(arguments[i]);
            continue;
        }
        const auto option = std::find_if(known.begin(), known.end(),
                                         [&](const KnownOption& candidate) { return candidate.name == arguments[i]; });
        if (option == known.end())
            throw UsageError{"unknown option '" + arguments[i] + "'"};
        if (arguments.size() - i - 1 < option->valueCount)
            throw UsageError{arguments[i] + (option->valueCount == 1
                                                 ? " needs a value"
                                                 : " needs " + std::to_string(option->valueCount) + " values")};
        const auto first = arguments.begin() + std::ptrdiff_t(i) + 1;
        parsed.options.emplace_back(arguments[i],
                                    std::vector<std::string>(first, first + std::ptrdiff_t(option->valueCount)));
        i += option->valueCount;
    }
    if (parsed.positionals.size() != positionalCount)
        throw UsageError{"wrong number of arguments"};
    return parsed;
}

} // namespace trelkin::cli
