#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>

namespace trelkin {

// A count line: the number followed directly by "件", in code page 932.
std::string countText(std::size_t count);

// A count that may run to many digits, in groups of three ("238,784,252件"), for display.
QString groupedCountText(std::uint64_t count);

} // namespace trelkin
