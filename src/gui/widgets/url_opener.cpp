#include "gui/widgets/url_opener.h"

#include "core/desktop/open_failure.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace trelkin::ui {
namespace {

const QString kDesktopOpener = QStringLiteral("xdg-open");

// The failure that starting the program would meet, found without starting it: Qt 6.4 keeps a pipe open for every
// process that fails to start.
std::optional<int> failureBeforeStart(const QString& program) {
    const QString path = QFileInfo(program).isAbsolute() ? program : QStandardPaths::findExecutable(program);
    const QFileInfo file(path);
    if (path.isEmpty() || !file.exists())
        return failureOfStart(false);
    if (!file.isFile() || !file.isExecutable())
        return failureOfStart(true);
    return std::nullopt;
}

} // namespace

UrlOpener::UrlOpener(QObject* parent) : QObject(parent), m_program(kDesktopOpener) {}

UrlOpener::~UrlOpener() {
    // An opener still running is ended with this object; its end must not be reported to a closing window.
    for (QProcess* process : findChildren<QProcess*>())
        process->disconnect(this);
}

void UrlOpener::open(const QString& url, FailureHandler onFailure) {
    const auto report = [onFailure](int failure) {
        if (onFailure)
            onFailure(failure);
    };
    if (const std::optional<int> failure = failureBeforeStart(m_program))
        return report(*failure);
    auto* process = new QProcess(this);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    connect(process, &QProcess::errorOccurred, this, [process, report](QProcess::ProcessError error) {
        // A crash also ends in finished(); no other error can occur without reads, writes or waits. A program
        // that fails to start although it looked startable is an invalid executable.
        if (error != QProcess::FailedToStart)
            return;
        process->deleteLater();
        report(failureOfStart(true));
    });
    connect(process, &QProcess::finished, this, [process, report](int exitCode, QProcess::ExitStatus exitStatus) {
        process->deleteLater();
        if (const std::optional<int> failure = failureOfExit(exitStatus, exitCode))
            report(*failure);
    });
    process->start(m_program, {url});
}

} // namespace trelkin::ui
