#pragma once

#include <QString>
#include <iosfwd>
#include <string>
#include <vector>

namespace trelkin::cli {

// Exit statuses of trelkin-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// What every command gets: its own arguments, the data directory, and where to write.
struct CommandContext {
    std::vector<std::string> arguments;
    QString dataDirectory;
    std::ostream& out;
    std::ostream& err;
};

// Thrown by a command whose arguments are wrong; the caller prints the usage and exits with kExitUsage.
struct UsageError {
    std::string message;
};

// Runs trelkin-cli with its arguments (without the program name). Text output is UTF-8.
int runCli(const std::vector<std::string>& arguments, const QString& defaultDataDirectory, std::ostream& out,
           std::ostream& err);

} // namespace trelkin::cli
