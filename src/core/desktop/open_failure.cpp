#include "core/desktop/open_failure.h"

#include <array>
#include <utility>

namespace trelkin {
namespace {

// xdg-open's exit statuses.
constexpr int kOpened = 0;
constexpr int kOpenerFileMissing = 2;
constexpr int kOpenerFoundNoTool = 3;
constexpr int kOpenerActionFailed = 4;

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
    switch (exitCode) {
    case kOpened:
        return std::nullopt;
    case kOpenerFileMissing:
        return kFileNotFound;
    case kOpenerFoundNoTool:
        return kNoAssociation;
    case kOpenerActionFailed:
        return kActionFailed;
    default:
        return kBadRequest;
    }
}

QString openFailureMessage(int number) {
    for (const auto& [failure, message] : kMessages)
        if (failure == number)
            return message + QString::number(number) + u')';
    return QStringLiteral("Exec Error ") + QString::number(number);
}

} // namespace trelkin
