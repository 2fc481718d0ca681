#pragma once

#include <QString>
#include <iosfwd>
#include <string>
#include <vector>

namespace trelkin::cli {

struct CommandGroup;

// Every command of trelkin-cli, in the usage text's order.
const std::vector<CommandGroup>& commandGroups();

// Runs trelkin-cli with its arguments (without the program name). Text output is UTF-8.
int runCli(const std::vector<std::string>& arguments, const QString& defaultDataDirectory, std::ostream& out,
           std::ostream& err);

} // namespace trelkin::cli
