#pragma once

#include "core/setsearch/set_search_query.h"

#include <cstdint>

namespace trelkin {

// Reads the sets of a result in one sequence from any position: the first by counting down the loops, each next
// one by stepping on through them.
class SequenceCursor {
public:
    virtual ~SequenceCursor() = default;

    virtual std::uint64_t position() const = 0;
    virtual const FoundSet& set() const = 0;
    // Moves to `position`, which lies within the sequence.
    virtual void seek(std::uint64_t position) = 0;
    // Moves to the next position; false, staying put, where the sequence holds no more sets now.
    virtual bool next() = 0;
};

} // namespace trelkin
