#pragma once

#include <QFont>

namespace trelkin::ui {

// The window's proportional font, 12 pixels high; an installed Japanese font stands in for the family
// where it is missing.
QFont windowFont();

// The fixed-pitch font of number fields and result texts, 12 pixels high.
QFont fixedPitchFont();

} // namespace trelkin::ui
