#pragma once

#include <cstddef>
#include <string>

namespace trelkin {

// A count line: the number followed directly by "件", in code page 932.
std::string countText(std::size_t count);

} // namespace trelkin
