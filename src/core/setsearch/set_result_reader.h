#pragma once

#include "core/setsearch/set_cursor.h"
#include "core/setsearch/set_search_result.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace trelkin {

// Reads the sets of a search's result by their block: the block after the last one read by stepping on, any other
// by seeking, never walking the blocks before it. The result does not change by being read; the reader does, so
// each who reads (the memo's source, a file being saved, the command line) owns one. The result must outlive it.
class SetResultReader {
public:
    explicit SetResultReader(const SetSearchResult& result) : m_result(result) {}

    const SetSearchResult& result() const { return m_result; }

    // The set of block `block`, which lies below the result's size().
    const FoundSet& at(std::uint64_t block);

    // Hands the sets of the blocks from `first` on to `visit`, in order, until it returns false, `count` sets were
    // handed on or the result ends; nothing when `first` lies beyond the result.
    void visit(std::uint64_t first, std::uint64_t count, const std::function<bool(const FoundSet&)>& visit);

private:
    const SetSearchResult& m_result;
    std::optional<SetCursor> m_cursor;
};

// The text of the blocks from `first` on, at most `count` of them, as the memo shows them (code page 932, each
// line ending in "\n"), handed to `write` block by block.
void writeBlockTexts(SetResultReader& reader, std::uint64_t first, std::uint64_t count,
                     const std::function<void(const std::string& block)>& write);

} // namespace trelkin
