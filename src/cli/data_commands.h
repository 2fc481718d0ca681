#pragma once

#include "cli/cli_app.h"

namespace trelkin::cli {

// pack [--cp932] PLAIN OUT: the data file for a plain text.
int packCommand(CommandContext& context);

// unpack [--utf8] FILE: the plain text that a data file stores, the exact inverse of pack.
int unpackCommand(CommandContext& context);

// check: every data file loaded with the real loaders; per file its record count or the error box's message.
int checkCommand(CommandContext& context);

} // namespace trelkin::cli
