#pragma once

#include "core/setsearch/ordered_result.h"
#include "core/setsearch/sequence_cursor.h"
#include "core/setsearch/set_order.h"
#include "core/setsearch/set_search_result.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace trelkin {

// Reads the sets of a search's result by their position in an order: the position after the last one read by
// stepping on, any other by seeking, never walking the sets before it. In loop order it reads the result as it
// grows; in any other order it reads the ordered result it is given, which the result's size was when it was
// made. Reversed, position 0 is the sequence's last set. The result does not change by being read; the reader
// does, so each who reads (the memo's source, the table, a file being saved, the command line) owns one. The
// result must outlive it.
class SetResultReader {
public:
    // In loop order.
    explicit SetResultReader(const SetSearchResult& result, bool reversed = false);
    // In the order of an ordered result of this result.
    SetResultReader(std::shared_ptr<const OrderedResult> ordered, bool reversed);
    SetResultReader(SetResultReader&&) noexcept;
    ~SetResultReader();

    const SetSearchResult& result() const { return m_result; }
    SetOrder order() const;
    // The number of sets that can be read now.
    std::uint64_t size() const;

    // The set at `position`, which lies below size().
    const FoundSet& at(std::uint64_t position);

    // Hands the sets from `first` on to `visit`, in order, until it returns false, `count` sets were handed on or
    // the sets end; nothing when `first` lies beyond them.
    void visit(std::uint64_t first, std::uint64_t count, const std::function<bool(const FoundSet&)>& visit);

private:
    // The position in the order's own (not reversed) sequence.
    std::uint64_t sequencePosition(std::uint64_t position) const;
    const FoundSet& atSequencePosition(std::uint64_t position);
    void visitReversed(std::uint64_t first, std::uint64_t count, const std::function<bool(const FoundSet&)>& visit);

    const SetSearchResult& m_result;
    std::shared_ptr<const OrderedResult> m_ordered;
    bool m_reversed;
    std::unique_ptr<SequenceCursor> m_cursor;
};

// A result as a view reads it: in loop order, or in the order of an ordered result of it, forward or reversed.
// Every reader made from it reads the same sequence; it keeps the result alive.
struct ResultInOrder {
    std::shared_ptr<const SetSearchResult> result;
    std::shared_ptr<const OrderedResult> ordered; // none for the loop order
    bool reversed = false;

    SetResultReader reader() const;
    // The number of sets in the sequence (none without a result), and its order.
    std::uint64_t size() const;
    SetOrder order() const;
};

// The text of the sets from `first` on, at most `count` of them, as the memo shows them (code page 932, each
// line ending in "\n"), handed to `write` block by block.
void writeBlockTexts(SetResultReader& reader, std::uint64_t first, std::uint64_t count,
                     const std::function<void(const std::string& block)>& write);

} // namespace trelkin
