#include "gui/widgets/message_boxes.h"

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

MessageBoxes withDefaults(MessageBoxes boxes) {
    if (!boxes.information)
        boxes.information = informationBox;
    if (!boxes.confirmation)
        boxes.confirmation = confirmationBox;
    return boxes;
}

MessageBoxes& current() {
    static MessageBoxes boxes = withDefaults({});
    return boxes;
}

} // namespace

void showInformation(QWidget* parent, const QString& title, const QString& text) {
    current().information(parent, title, text);
}

bool askConfirmation(QWidget* parent, const QString& title, const QString& text) {
    return current().confirmation(parent, title, text);
}

MessageBoxes setMessageBoxes(MessageBoxes boxes) {
    MessageBoxes previous = std::move(current());
    current() = withDefaults(std::move(boxes));
    return previous;
}

} // namespace trelkin::ui
