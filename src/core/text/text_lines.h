#pragma once

#include <string_view>
#include <vector>

namespace trelkin {

// The text up to, not including, its first zero byte.
std::string_view untilFirstZero(std::string_view text);

// Lines of a text that ends at its first zero byte; lines end at CR LF, a lone CR or a lone LF.
// A line break at the very end does not start another line, and an empty text has no lines.
std::vector<std::string_view> splitLines(std::string_view text);

} // namespace trelkin
