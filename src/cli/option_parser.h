#pragma once

#include "cli/command.h"

#include <string>
#include <vector>

namespace trelkin::cli {

// The one option parser of trelkin-cli: an argument that starts with "--" must be one of the command's options
// and is followed by its values; the positional arguments must be as many as the command names; a command that
// takes exactly one of its options gets exactly one. Anything else throws UsageError.
ParsedArguments parseArguments(const std::vector<std::string>& arguments, const Command& command);

// The command's line in the usage: its name, its options and its positional placeholders,
// "armour [--skill S] [--slot 全て|頭|胴|腕|腰|脚] [--click COLUMN]...", "pack [--cp932] PLAIN OUT".
std::string synopsis(const Command& command);

} // namespace trelkin::cli
