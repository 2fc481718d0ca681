#include "core/side/open_failure.h"

#include <array>
#include <utility>

namespace trelkin {
namespace {

constexpr int kOpened = 0;

const std::array<std::pair<int, QString>, 4> kMessages{{
    {kOutOfResources, QStringLiteral("メモリまたはリソースが不足しています。 (")},
    {kFileNotFound, QStringLiteral("指定されたファイルが見つかりません。 (")},
    {kPathNotFound, QStringLiteral("指定されたパスが見つかりません。 (")},
    {kInvalidExecutable, QStringLiteral("指定されたExeファイルが無効です。 (")},
}};

} // namespace

int failureOfStart(bool programExists) {
    return programExists ? kInvalidExecutable : kFileNotFound;
}

std::optional<int> failureOfExit(QProcess::ExitStatus exitStatus, int exitCode) {
    if (exitStatus == QProcess::CrashExit)
        return kOpenerCrashed;
    if (exitCode == kOpened)
        return std::nullopt;
    return exitCode;
}

QString openFailureMessage(int number) {
    for (const auto& [failure, message] : kMessages)
        if (failure == number)
            return message + QString::number(number) + u')';
    return QStringLiteral("Exec Error ") + QString::number(number);
}

} // namespace trelkin
