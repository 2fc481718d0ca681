#include "cli/command.h"

#include <algorithm>

namespace trelkin::cli {

bool ParsedArguments::has(const std::string& name) const {
    return std::any_of(options.begin(), options.end(), [&](const auto& option) { return option.first == name; });
}

} // namespace trelkin::cli
