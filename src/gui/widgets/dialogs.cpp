#include "gui/widgets/dialogs.h"

#include "core/text/error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace trelkin::ui {
namespace {

void informationBox(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::information(parent, title, text, QMessageBox::Ok);
}

bool confirmationBox(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    box.setDefaultButton(box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole));
    box.exec();
    return box.clickedButton() == yes;
}

void errorBox(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::critical(parent, title, text, QMessageBox::Ok);
}

const QString kTextSuffix = QStringLiteral("txt");

std::optional<SaveFileChoice> saveFileDialog(QWidget* parent, const QString& caption, const QStringList& filters,
                                             const QString& proposedName) {
    QFileDialog dialog(parent, caption, QDir::home().filePath(proposedName));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(kTextSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    QString path = dialog.selectedFiles().constFirst();
    if (QFileInfo(path).suffix().isEmpty())
        path += u'.' + kTextSuffix;
    return SaveFileChoice{path, int(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter())))};
}

Dialogs withRealDialogs(Dialogs dialogs) {
    if (!dialogs.information)
        dialogs.information = informationBox;
    if (!dialogs.confirmation)
        dialogs.confirmation = confirmationBox;
    if (!dialogs.error)
        dialogs.error = errorBox;
    if (!dialogs.saveFile)
        dialogs.saveFile = saveFileDialog;
    return dialogs;
}

Dialogs& current() {
    static Dialogs dialogs = withRealDialogs({});
    return dialogs;
}

} // namespace

Dialogs setDialogs(Dialogs dialogs) {
    Dialogs previous = std::move(current());
    current() = withRealDialogs(std::move(dialogs));
    return previous;
}

QString applicationName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

void showInformation(QWidget* parent, const QString& title, const QString& text) {
    current().information(parent, title, text);
}

bool askConfirmation(QWidget* parent, const QString& title, const QString& text) {
    return current().confirmation(parent, title, text);
}

void showErrorBox(QWidget* parent, const QString& message) {
    current().error(parent, applicationName(), withFullStop(message));
}

std::optional<SaveFileChoice> chooseSaveFile(QWidget* parent, const QString& caption, const QStringList& filters,
                                             const QString& proposedName) {
    return current().saveFile(parent, caption, filters, proposedName);
}

} // namespace trelkin::ui
