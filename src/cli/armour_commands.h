#pragma once

#include "cli/command.h"

namespace trelkin::cli {

// skills, armour and evaluate: the skill list, the armour search list and the armour detail group.
CommandGroup armourCommands();

} // namespace trelkin::cli
