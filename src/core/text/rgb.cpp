#include "core/text/rgb.h"

namespace trelkin {

std::string_view colourName(const Rgb& colour) {
    if (colour == kBlue)
        return "blue";
    if (colour == kOrange)
        return "orange";
    if (colour == kRed)
        return "red";
    if (colour == kNavy)
        return "navy";
    if (colour == kBlack)
        return "black";
    return "other";
}

} // namespace trelkin
