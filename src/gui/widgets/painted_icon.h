#pragma once

#include <QIcon>
#include <QSize>
#include <functional>

class QPainter;

namespace trelkin::ui {

// Paints an icon's picture on a canvas of the icon's logical size, in logical pixels.
using IconPainting = std::function<void(QPainter& painter)>;

// An icon drawn in code each time it is shown, at the size and device pixel ratio of the moment, so that it
// stays sharp at any display scaling. The picture keeps its proportions, centred in the space it is given.
QIcon paintedIcon(QSize logicalSize, IconPainting painting);

} // namespace trelkin::ui
