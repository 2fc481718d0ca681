#pragma once

#include "core/setsearch/set_result_reader.h"
#include "gui/widgets/row_table_view.h"

namespace trelkin {

// The sets of a set search's result as the result table shows them, in the order the page reads it: the five
// names, the sums and the activated skills of each set; copied, a row is the command line's table line. The
// source keeps the result alive and reads it with a reader of its own.
class SetResultTableSource : public ui::RowSource {
public:
    explicit SetResultTableSource(ResultInOrder result) : m_result(std::move(result)), m_reader(m_result.reader()) {}

    QStringList cells(std::uint64_t row) override;
    void readLines(std::uint64_t first, std::uint64_t last, const Visit& visit) override;
    // The set of a row.
    const FoundSet& set(std::uint64_t row) { return m_reader.at(row); }

private:
    ResultInOrder m_result;
    SetResultReader m_reader;
};

} // namespace trelkin
