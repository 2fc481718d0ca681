#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace trelkin::cli {

// An option that a command knows: its name ("--skill") and how many values follow it (0 for a flag).
struct KnownOption {
    std::string name;
    std::size_t valueCount = 1;
};

// A command's arguments as the options given, in order, each with its values, and the arguments that are no
// option (positional), in order.
struct ParsedArguments {
    std::vector<std::pair<std::string, std::vector<std::string>>> options;
    std::vector<std::string> positionals;

    bool has(const std::string& name) const;
};

// The one option parser of trelkin-cli: an argument that starts with "--" must be a known option and is followed
// by its values; the number of positional arguments must be `positionalCount`. Anything else throws UsageError.
ParsedArguments parseArguments(const std::vector<std::string>& arguments, const std::vector<KnownOption>& known,
                               std::size_t positionalCount = 0);

} // namespace trelkin::cli
