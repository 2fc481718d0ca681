#include "gui/setsearch/set_result_source.h"

#include "core/setsearch/set_block.h"
#include "core/text/cp932.h"

namespace trelkin {
namespace {

QStringList shown(const SetSearchResult& result, const FoundSet& set) {
    QStringList lines;
    for (const std::string& line : setBlockLines(result.tables(), set, result.torsoUp()))
        lines << fromCp932(line);
    return lines;
}

} // namespace

QStringList SetResultSource::lines(std::uint64_t block) {
    return shown(*m_result.result, m_reader.at(block));
}

void SetResultSource::read(std::uint64_t first, std::uint64_t last, const Visit& visit) {
    if (first <= last)
        m_reader.visit(first, last - first + 1,
                       [&](const FoundSet& set) { return visit(shown(*m_result.result, set)); });
}

} // namespace trelkin
