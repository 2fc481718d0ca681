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

using SaveFileDialog =
    std::function<std::optional<SaveFileChoice>(QWidget* parent, const QString& caption, const QStringList& filters)>;

// Asks for a file to save to, offering the filters ("テキスト UTF-8 (*.txt)", ...); none when the user cancels.
std::optional<SaveFileChoice> chooseSaveFile(QWidget* parent, const QString& caption, const QStringList& filters);

// Replaces the dialog (tests answer it themselves) and returns the previous one; an empty one restores it.
SaveFileDialog setSaveFileDialog(SaveFileDialog dialog);

} // namespace trelkin::ui
