#pragma once

#include <QProcess>
#include <QString>
#include <optional>

namespace trelkin {

// Failures of handing a URL to the desktop, as numbers with the messages the user sees.
//
// The desktop is reached through xdg-open, whose exit statuses are mapped by meaning onto the failure numbers of
// the desktop shell that the messages were written for:
//   xdg-open 1, its command line is wrong      -> kBadRequest (the shell's "other" failure, "Exec Error 1")
//   xdg-open 2, the file given does not exist  -> kFileNotFound, 2
//   xdg-open 3, no program can open this       -> kNoAssociation, 31 (no application is associated with it)
//   xdg-open 4, the program failed to open it  -> kActionFailed, 29 (the shell's conversation with it failed)
//   any other exit status                      -> kBadRequest
// An opener that cannot be started is a file not found when no such program exists, else an invalid executable.

inline constexpr int kOutOfResources = 0;
inline constexpr int kBadRequest = 1;
inline constexpr int kFileNotFound = 2;
inline constexpr int kPathNotFound = 3;
inline constexpr int kInvalidExecutable = 11;
inline constexpr int kActionFailed = 29;
inline constexpr int kNoAssociation = 31;
// A crashed opener leaves no exit status.
inline constexpr int kOpenerCrashed = -1;

// The longest URL the desktop can be handed: the system refuses to start a program with an argument of 128 KiB or
// more, its terminating zero byte included (E2BIG). A URL as handed on is ASCII, one byte a character.
inline constexpr qsizetype kLongestDesktopUrl = 128 * 1024 - 1;

// The failure of an opener that could not be started.
int failureOfStart(bool programExists);

// The failure of an opener that has ended; none when it opened the URL.
std::optional<int> failureOfExit(QProcess::ExitStatus exitStatus, int exitCode);

// "指定されたファイルが見つかりません。 (2)" and the like; "Exec Error <number>" for a number without a message.
QString openFailureMessage(int number);

} // namespace trelkin
