#pragma once

#include "cli/command.h"

namespace trelkin::cli {

// weapon-tree and weapon: the weapon upgrade trees and the weapon detail panel.
CommandGroup weaponCommands();

} // namespace trelkin::cli
