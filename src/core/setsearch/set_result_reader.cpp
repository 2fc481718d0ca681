#include "core/setsearch/set_result_reader.h"

#include "core/setsearch/set_block.h"

namespace trelkin {

const FoundSet& SetResultReader::at(std::uint64_t block) {
    if (!m_cursor)
        m_cursor.emplace(m_result, block);
    else if (m_cursor->block() + 1 == block)
        m_cursor->next();
    else if (m_cursor->block() != block)
        m_cursor->seek(block);
    return m_cursor->set();
}

void SetResultReader::visit(std::uint64_t first, std::uint64_t count,
                            const std::function<bool(const FoundSet&)>& visit) {
    const std::uint64_t size = m_result.size();
    for (std::uint64_t block = first; block < size && block - first < count; ++block)
        if (!visit(at(block)))
            return;
}

void writeBlockTexts(SetResultReader& reader, std::uint64_t first, std::uint64_t count,
                     const std::function<void(const std::string& block)>& write) {
    reader.visit(first, count, [&](const FoundSet& set) {
        write(setBlockText(reader.result().tables(), set));
        return true;
    });
}

} // namespace trelkin
