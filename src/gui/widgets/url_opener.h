#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace trelkin::ui {

// Hands URLs to the desktop's open operation: xdg-open, started with the URL as its one argument (no shell) and
// never waited for, so the window stays responsive while the desktop finds a program for the URL.
class UrlOpener : public QObject {
    Q_OBJECT
public:
    // Called on the window's thread with the failure number (see open_failure.h) when the URL was not opened.
    using FailureHandler = std::function<void(int failureNumber)>;

    explicit UrlOpener(QObject* parent = nullptr);
    ~UrlOpener() override;

    // Tests put a program of their own in place of xdg-open.
    void setProgram(const QString& program) { m_program = program; }

    // Without a handler, a failure is ignored. An opener that is missing or not executable is reported at once,
    // without starting anything; any other failure when the opener ends.
    void open(const QString& url, FailureHandler onFailure = {});

private:
    QString m_program;
};

} // namespace trelkin::ui
