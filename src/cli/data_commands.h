#pragma once

#include "cli/command.h"

namespace trelkin::cli {

// pack, unpack and check: making, reading and validating data files.
CommandGroup dataCommands();

} // namespace trelkin::cli
