#pragma once

#include <cstdint>
#ifndef Q_MOC_RUN // moc cannot parse the standard header, and needs nothing from it
#include <compare>
#endif

namespace trelkin {

// A line of a text made of blocks of lines, as the set search's result is: its block, and its line within the
// block.
struct BlockLine {
    std::uint64_t block = 0;
    int line = 0;

    friend auto operator<=>(const BlockLine&, const BlockLine&) = default;
};

} // namespace trelkin
