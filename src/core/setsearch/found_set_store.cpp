#include "core/setsearch/found_set_store.h"

namespace trelkin {

void FoundSetStore::append(const std::vector<FoundSet>& batch) {
    for (const FoundSet& set : batch) {
        if (m_size == m_chunks.size() * kChunkSize)
            m_chunks.push_back(std::make_unique_for_overwrite<FoundSet[]>(kChunkSize));
        m_chunks[m_size / kChunkSize][m_size % kChunkSize] = set;
        ++m_size;
    }
}

void FoundSetStore::clear() {
    m_chunks.clear();
    m_size = 0;
}

std::size_t FoundSetStore::bytesHeld() const {
    return m_chunks.size() * kChunkSize * sizeof(FoundSet) + m_chunks.capacity() * sizeof(m_chunks[0]);
}

} // namespace trelkin
