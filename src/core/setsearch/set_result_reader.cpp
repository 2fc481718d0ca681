#include "core/setsearch/set_result_reader.h"

#include "core/setsearch/ordered_cursor.h"
#include "core/setsearch/set_block.h"
#include "core/setsearch/set_cursor.h"

#include <algorithm>
#include <vector>

namespace trelkin {
namespace {

// Sets read ahead at a time where a reversed order is read forward.
constexpr std::uint64_t kReversedChunk = 256;

} // namespace

SetResultReader::SetResultReader(const SetSearchResult& result, bool reversed)
    : m_result(result), m_reversed(reversed) {}

SetResultReader::SetResultReader(std::shared_ptr<const OrderedResult> ordered, bool reversed)
    : m_result(ordered->result()), m_ordered(std::move(ordered)), m_reversed(reversed) {}

SetResultReader::SetResultReader(SetResultReader&&) noexcept = default;
SetResultReader::~SetResultReader() = default;

SetOrder SetResultReader::order() const {
    return {m_ordered ? m_ordered->key() : SetOrderKey::Loop, m_reversed};
}

std::uint64_t SetResultReader::size() const {
    return m_ordered ? m_ordered->size() : m_result.size();
}

std::uint64_t SetResultReader::sequencePosition(std::uint64_t position) const {
    return m_reversed ? size() - 1 - position : position;
}

const FoundSet& SetResultReader::atSequencePosition(std::uint64_t position) {
    if (!m_cursor) {
        if (m_ordered)
            m_cursor = std::make_unique<OrderedCursor>(*m_ordered, position);
        else
            m_cursor = std::make_unique<SetCursor>(m_result, position);
    } else if (m_cursor->position() + 1 == position) {
        m_cursor->next();
    } else if (m_cursor->position() != position) {
        m_cursor->seek(position);
    }
    return m_cursor->set();
}

const FoundSet& SetResultReader::at(std::uint64_t position) {
    return atSequencePosition(sequencePosition(position));
}

void SetResultReader::visit(std::uint64_t first, std::uint64_t count,
                            const std::function<bool(const FoundSet&)>& visit) {
    if (m_reversed)
        return visitReversed(first, count, visit);
    const std::uint64_t size = this->size();
    for (std::uint64_t position = first; position < size && position - first < count; ++position)
        if (!visit(at(position)))
            return;
}

// Backwards through the sequence a chunk at a time: each chunk is read forward, then handed on from its end.
void SetResultReader::visitReversed(std::uint64_t first, std::uint64_t count,
                                    const std::function<bool(const FoundSet&)>& visit) {
    const std::uint64_t size = this->size();
    if (first >= size)
        return;
    const std::uint64_t end = first + std::min(count, size - first); // positions [first, end)
    std::vector<FoundSet> chunk;
    for (std::uint64_t position = first; position < end; position += chunk.size()) {
        const std::uint64_t taken = std::min(kReversedChunk, end - position);
        const std::uint64_t lowest = sequencePosition(position + taken - 1);
        chunk.clear();
        for (std::uint64_t step = 0; step < taken; ++step)
            chunk.push_back(atSequencePosition(lowest + step));
        for (auto set = chunk.rbegin(); set != chunk.rend(); ++set)
            if (!visit(*set))
                return;
    }
}

SetResultReader ResultInOrder::reader() const {
    return ordered ? SetResultReader(ordered, reversed) : SetResultReader(*result, reversed);
}

std::uint64_t ResultInOrder::size() const {
    return ordered ? ordered->size() : result ? result->size() : 0;
}

SetOrder ResultInOrder::order() const {
    return {ordered ? ordered->key() : SetOrderKey::Loop, reversed};
}

void writeBlockTexts(SetResultReader& reader, std::uint64_t first, std::uint64_t count,
                     const std::function<void(const std::string& block)>& write) {
    reader.visit(first, count, [&](const FoundSet& set) {
        write(setBlockText(reader.result().tables(), set, reader.result().torsoUp()));
        return true;
    });
}

} // namespace trelkin
