#pragma once

#include "core/text/rgb.h"

#include <QColor>

namespace trelkin::ui {

inline QColor toQColor(const Rgb& colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

} // namespace trelkin::ui
