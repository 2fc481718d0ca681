#pragma once

#include <QProcess>
#include <QString>
#include <optional>

namespace trelkin {

// Failures of handing a URL to the desktop, as numbers with the messages the user sees.
//
// The desktop is reached through xdg-open. Its exit statuses are taken as the failure number as they stand, since
// those that share a number with the messages also share their meaning: 2 is a file that does not exist, 3 a tool
// (a path) that could not be found; 1 (wrong command line) and 4 (the action failed) get the "Exec Error " message.
// An opener that cannot be started is a file not found when no such program exists, else an invalid executable.

inline constexpr int kOutOfResources = 0;
inline constexpr int kFileNotFound = 2;
inline constexpr int kPathNotFound = 3;
inline constexpr int kInvalidExecutable = 11;
// A crashed opener leaves no exit status.
inline constexpr int kOpenerCrashed = -1;

// The failure of an opener that could not be started.
int failureOfStart(bool programExists);

// The failure of an opener that has ended; none when it opened the URL.
std::optional<int> failureOfExit(QProcess::ExitStatus exitStatus, int exitCode);

// "指定されたファイルが見つかりません。 (2)" and the like; "Exec Error <number>" for a number without a message.
QString openFailureMessage(int number);

} // namespace trelkin
