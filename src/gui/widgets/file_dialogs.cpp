#include "gui/widgets/file_dialogs.h"

#include <QFileDialog>

namespace trelkin::ui {
namespace {

std::optional<SaveFileChoice> saveFileDialog(QWidget* parent, const QString& caption, const QStringList& filters) {
    QString chosenFilter;
    const QString path =
        QFileDialog::getSaveFileName(parent, caption, QString(), filters.join(QStringLiteral(";;")), &chosenFilter);
    if (path.isEmpty())
        return std::nullopt;
    return SaveFileChoice{path, int(std::max<qsizetype>(0, filters.indexOf(chosenFilter)))};
}

SaveFileDialog& current() {
    static SaveFileDialog dialog = saveFileDialog;
    return dialog;
}

} // namespace

std::optional<SaveFileChoice> chooseSaveFile(QWidget* parent, const QString& caption, const QStringList& filters) {
    return current()(parent, caption, filters);
}

SaveFileDialog setSaveFileDialog(SaveFileDialog dialog) {
    SaveFileDialog previous = std::move(current());
    current() = dialog ? std::move(dialog) : SaveFileDialog(saveFileDialog);
    return previous;
}

} // namespace trelkin::ui
