#include "gui/widgets/url_opener.h"

#include "core/desktop/open_failure.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace trelkin::ui {
namespace {

const QString kDesktopOpener = QStringLiteral("xdg-open");

bool programExists(const QString& program) {
    const QString path = QFileInfo(program).isAbsolute() ? program : QStandardPaths::findExecutable(program);
    return !path.isEmpty() && QFileInfo::exists(path);
}

} // namespace

UrlOpener::UrlOpener(QObject* parent) : QObject(parent), m_program(kDesktopOpener) {}

UrlOpener::~UrlOpener() {
    // An opener still running is ended with this object; its end must not be reported to a closing window.
    for (QProcess* process : findChildren<QProcess*>())
        process->disconnect(this);
}

void UrlOpener::open(const QString& url, FailureHandler onFailure) {
    auto* process = new QProcess(this);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    const auto report = [onFailure](int failure) {
        if (onFailure)
            onFailure(failure);
    };
    connect(process, &QProcess::errorOccurred, this,
            [process, report, program = m_program](QProcess::ProcessError error) {
                // A crash also ends in finished(); no other error can occur without reads, writes or waits.
                if (error != QProcess::FailedToStart)
                    return;
                process->deleteLater();
                report(failureOfStart(programExists(program)));
            });
    connect(process, &QProcess::finished, this, [process, report](int exitCode, QProcess::ExitStatus exitStatus) {
        process->deleteLater();
        if (const std::optional<int> failure = failureOfExit(exitStatus, exitCode))
            report(*failure);
    });
    process->start(m_program, {url});
}

} // namespace trelkin::ui
