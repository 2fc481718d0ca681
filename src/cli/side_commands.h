#pragma once

#include "cli/cli_app.h"

namespace trelkin::cli {

// items: the item list of every material and crafted item, one name a line, then the count line.
int itemsCommand(CommandContext& context);

// lint: what the program accepts in the data files but is almost certainly a mistake, a finding a line; status 1
// when there are findings.
int lintCommand(CommandContext& context);

// report [field options]: the armour information report for the given form, as three lines: the body, the mailto
// URL as composed, and the URL as handed to the desktop.
int reportCommand(CommandContext& context);

} // namespace trelkin::cli
