#pragma once

#include "cli/cli_app.h"

namespace trelkin::cli {

// set-search [--skill NAME]... [--sex 男|女|any] [--class 剣士|ガンナー|any] [--min-each N|off]
// [--min-total N|off] [--count]: the set search's result text, or with --count the number of sets.
int setSearchCommand(CommandContext& context);

} // namespace trelkin::cli
