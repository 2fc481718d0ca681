#pragma once

#include "core/setsearch/set_search_query.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace trelkin {

// Holds found sets in fixed-size chunks: growing never copies what is held, and the memory held stays close to
// the sets' own size however many there are.
class FoundSetStore {
public:
    void append(const std::vector<FoundSet>& batch);
    void clear();

    std::size_t size() const { return m_size; }
    const FoundSet& operator[](std::size_t index) const { return m_chunks[index / kChunkSize][index % kChunkSize]; }
    std::size_t bytesHeld() const;

private:
    static constexpr std::size_t kChunkSize = 1 << 16;

    std::vector<std::unique_ptr<FoundSet[]>> m_chunks;
    std::size_t m_size = 0;
};

} // namespace trelkin
