#pragma once

#include <QtCore/qnamespace.h>
#include <optional>
#include <string>
#include <vector>

class QComboBox;

namespace trelkin::ui {

// List entries and selector items keep the name's own code page 932 bytes under this role, so that a name is
// found again exactly, even one that does not survive conversion to Unicode and back.
inline constexpr int kNameRole = Qt::UserRole;

// Replaces the selector's items with the names, without announcing a change, and leaves no item selected.
void setNameItems(QComboBox* selector, const std::vector<std::string>& names);

// The bytes of the selected item; none when no item is selected.
std::optional<std::string> selectedName(const QComboBox* selector);

} // namespace trelkin::ui
