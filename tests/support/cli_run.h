#pragma once

#include "cli/cli_app.h"
#include "cli/command.h"

#include <QString>
#include <sstream>
#include <string>
#include <vector>

namespace trelkin::testing {

// What one trelkin-cli run printed, and its exit status.
struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// Runs trelkin-cli in-process with its arguments and a data directory.
inline CliRun runCli(const std::vector<std::string>& arguments, const QString& dataDirectory = QString()) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runCli(arguments, dataDirectory, out, err);
    return {status, out.str(), err.str()};
}

} // namespace trelkin::testing
