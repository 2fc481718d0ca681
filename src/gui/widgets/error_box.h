#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace trelkin::ui {

// The application's name: the executable's file name without its extension. Every error box carries it.
QString applicationName();

// Where error boxes go: a modal message box by default; tests install a sink that records them instead.
using ErrorBoxSink = std::function<void(QWidget* parent, const QString& title, const QString& text)>;

// Shows an error box titled with the application's name, with the full-stop rule applied to the message.
void showErrorBox(QWidget* parent, const QString& message);

// Replaces the sink and returns the previous one; an empty sink restores the message box.
ErrorBoxSink setErrorBoxSink(ErrorBoxSink sink);

} // namespace trelkin::ui
