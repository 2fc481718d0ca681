#pragma once

#include "core/text/rgb.h"

#include <string_view>

namespace trelkin {

// The text colour of a number cell (columns 1 to 6) of the detail group's grids.

// Red for a negative value, blue for everything else: positive numbers, "0", "E", "-" and empty cells.
Rgb skillCellColour(std::string_view cell);

// Material counts are always black, whatever the cell holds.
Rgb materialCellColour(std::string_view cell = {});

} // namespace trelkin
