#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace trelkin::ui {

// The information and confirmation boxes of the window. Tests install their own answers instead of modal boxes.
struct MessageBoxes {
    std::function<void(QWidget* parent, const QString& title, const QString& text)> information;
    // True when the user answers "はい".
    std::function<bool(QWidget* parent, const QString& title, const QString& text)> confirmation;
};

void showInformation(QWidget* parent, const QString& title, const QString& text);
bool askConfirmation(QWidget* parent, const QString& title, const QString& text);

// Replaces the boxes and returns the previous ones; empty members restore the modal boxes.
MessageBoxes setMessageBoxes(MessageBoxes boxes);

} // namespace trelkin::ui
