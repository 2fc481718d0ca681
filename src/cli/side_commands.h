#pragma once

#include "cli/command.h"

namespace trelkin::cli {

// items, lint and report: the item list, the check of the data files for their makers, and the armour
// information report.
CommandGroup sideCommands();

} // namespace trelkin::cli
