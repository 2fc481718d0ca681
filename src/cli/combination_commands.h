#pragma once

#include "cli/command.h"

namespace trelkin::cli {

// materials, pairs, details and recipe-tree: the material-pair finder, the recipe detail box and the recipe tree.
CommandGroup combinationCommands();

} // namespace trelkin::cli
