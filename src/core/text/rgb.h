#pragma once

#include <cstdint>
#include <string_view>

namespace trelkin {

// A colour as the logic of a page decides it; the widgets turn it into their own colour type.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kOrange{255, 128, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kNavy{0, 0, 128};

// The colour's word, as the command-line companion prints it.
std::string_view colourName(const Rgb& colour);

} // namespace trelkin
