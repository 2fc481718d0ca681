#pragma once

#include <string>
#include <string_view>

namespace trelkin {

// Where names are merged or checked for presence, names that differ only in ASCII letter case count as one.
// Only a to z are folded: the bytes of double-byte characters are never changed.

std::string asciiUpper(std::string_view text);

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

// Byte order after folding a to z to upper case: negative, zero or positive.
int compareIgnoringAsciiCase(std::string_view a, std::string_view b);

} // namespace trelkin
