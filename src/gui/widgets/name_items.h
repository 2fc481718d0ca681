#pragma once

#include "core/text/rgb.h"

#include <QtCore/qnamespace.h>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QListWidget;

namespace trelkin::ui {

// List entries and selector items keep the name's own code page 932 bytes under this role, so that a name is
// found again exactly, even one that does not survive conversion to Unicode and back.
inline constexpr int kNameRole = Qt::UserRole;

// Replaces the selector's items with the names, without announcing a change, and leaves no item selected. The
// items are made first and handed over together, so that filling takes time in proportion to the names; every
// name can be read whole (showNamesInFull).
void setNameItems(QComboBox* selector, const std::vector<std::string>& names);

// The bytes of the selected item; none when no item is selected.
std::optional<std::string> selectedName(const QComboBox* selector);

// Selects the item of exactly these bytes, without announcing a change; false, changing nothing, where the
// selector holds no such item.
bool selectNameQuietly(QComboBox* selector, const std::string& name);

// Replaces the list's entries with the names, each in the colour that colourOf gives (when given), without
// announcing a change. Each entry is complete before it joins the list: an entry changed once in the list makes
// the list look for it, and filling would take time in proportion to the square of the names.
void setNameEntries(QListWidget* list, const std::vector<std::string>& names,
                    const std::function<Rgb(const std::string&)>& colourOf = {});

// The bytes of the selected entry; none when no entry is selected.
std::optional<std::string> selectedName(const QListWidget* list);

} // namespace trelkin::ui
