#pragma once

#include "core/setsearch/set_result_reader.h"
#include "gui/widgets/block_text_view.h"

namespace trelkin {

// The blocks of a set search's result as the memo shows them, in the order the page reads it: its code page 932
// lines, converted for display. The source keeps the result alive and reads it with a reader of its own.
class SetResultSource : public ui::BlockSource {
public:
    explicit SetResultSource(ResultInOrder result) : m_result(std::move(result)), m_reader(m_result.reader()) {}

    QStringList lines(std::uint64_t block) override;
    void read(std::uint64_t first, std::uint64_t last, const Visit& visit) override;

private:
    ResultInOrder m_result;
    SetResultReader m_reader;
};

} // namespace trelkin
