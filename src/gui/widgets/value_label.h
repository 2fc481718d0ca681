#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace trelkin::ui {

// A label that shows one value of a detail panel; the player can select its text to copy it.
QLabel* makeValueLabel(const QString& name, QWidget* parent);

} // namespace trelkin::ui
