#pragma once

#include "cli/command.h"

namespace trelkin::cli {

// set-search: the set search page's result, or its number of sets.
CommandGroup setSearchCommands();

} // namespace trelkin::cli
