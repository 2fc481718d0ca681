#pragma once

#include "core/setsearch/set_result_reader.h"
#include "gui/widgets/block_text_view.h"

#include <memory>

namespace trelkin {

// The blocks of a set search's result as the memo shows them: its code page 932 lines, converted for display.
// The source owns the result it reads and its own reader.
class SetResultSource : public ui::BlockSource {
public:
    explicit SetResultSource(std::shared_ptr<const SetSearchResult> result)
        : m_result(std::move(result)), m_reader(*m_result) {}

    QStringList lines(std::uint64_t block) override;
    void read(std::uint64_t first, std::uint64_t last, const Visit& visit) override;

private:
    std::shared_ptr<const SetSearchResult> m_result;
    SetResultReader m_reader;
};

} // namespace trelkin
