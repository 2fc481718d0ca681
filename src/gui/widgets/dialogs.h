#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace trelkin::ui {

// The file the user chose to save to, and which of the offered kinds of file.
struct SaveFileChoice {
    QString path;
    int filter = 0;
};

// The modal boxes and dialogs of the window, in one place, so that a test can answer them instead of a user.
struct Dialogs {
    std::function<void(QWidget* parent, const QString& title, const QString& text)> information = {};
    // True when the user answers "はい".
    std::function<bool(QWidget* parent, const QString& title, const QString& text)> confirmation = {};
    // The title is the application's name; the text has had the full-stop rule applied.
    std::function<void(QWidget* parent, const QString& title, const QString& text)> error = {};
    // None when the user cancels.
    std::function<std::optional<SaveFileChoice>(QWidget* parent, const QString& caption, const QStringList& filters,
                                                const QString& proposedName)>
        saveFile = {};
};

// Replaces the dialogs and returns the previous ones; an empty member restores the real dialog.
Dialogs setDialogs(Dialogs dialogs);

// The application's name: the executable's file name without its extension. Every error box carries it.
QString applicationName();

void showInformation(QWidget* parent, const QString& title, const QString& text);
bool askConfirmation(QWidget* parent, const QString& title, const QString& text);
// An error box titled with the application's name, with the full-stop rule applied to the message.
void showErrorBox(QWidget* parent, const QString& message);
// Asks for a file to save to, offering the filters ("テキスト UTF-8 (*.txt)", ...) and proposing a name in the home
// folder; a name typed without an extension gets ".txt".
std::optional<SaveFileChoice> chooseSaveFile(QWidget* parent, const QString& caption, const QStringList& filters,
                                             const QString& proposedName);

} // namespace trelkin::ui
