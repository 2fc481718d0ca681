#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace trelkin {

// The one integer reader of every loader and input field: leading spaces, an optional sign, then decimal
// digits, or hexadecimal digits after "$", "x", "X", "0x" or "0X"; nothing may follow the digits, and the
// value must fit a 32-bit signed integer. Anything else has no value.
std::optional<std::int32_t> readInteger(std::string_view text);

// A count typed by a person (a block number, a number of blocks): decimal digits only, fitting 64 bits.
std::optional<std::uint64_t> readCount(std::string_view text);

// readInteger, with a fallback for text that is no integer.
std::int32_t readIntegerOr(std::string_view text, std::int32_t fallback);

// What an integer input field of the window holds: its integer, and its minimum, 0, for a text that is none.
inline constexpr std::int32_t kFieldMinimum = 0;
std::int32_t readIntegerField(std::string_view text);

} // namespace trelkin
