#include "core/armour/grid_cell_colour.h"

#include "core/armour/evaluation.h"

namespace trelkin {

Rgb skillCellColour(std::string_view cell) {
    return cellValue(cell) < 0 ? kRed : kBlue;
}

Rgb materialCellColour(std::string_view) {
    return kBlack;
}

} // namespace trelkin
