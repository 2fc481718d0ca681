#pragma once

class QComboBox;

namespace trelkin::ui {

// Lets a selector's names be read whole however narrow it is: the chosen text, where the box cuts it, shows in
// full as the box's tooltip, and the popup list is at least as wide as its longest entry. Call again after the
// entries change.
void showNamesInFull(QComboBox* selector);

} // namespace trelkin::ui
