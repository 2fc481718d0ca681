#include "gui/widgets/error_box.h"

#include "core/text/error.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace trelkin::ui {
namespace {

void showMessageBox(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::critical(parent, title, text, QMessageBox::Ok);
}

ErrorBoxSink& currentSink() {
    static ErrorBoxSink sink = showMessageBox;
    return sink;
}

} // namespace

QString applicationName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

void showErrorBox(QWidget* parent, const QString& message) {
    currentSink()(parent, applicationName(), withFullStop(message));
}

ErrorBoxSink setErrorBoxSink(ErrorBoxSink sink) {
    ErrorBoxSink previous = std::move(currentSink());
    currentSink() = sink ? std::move(sink) : ErrorBoxSink(showMessageBox);
    return previous;
}

} // namespace trelkin::ui
