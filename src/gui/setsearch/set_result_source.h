#pragma once

#include "core/setsearch/set_search_result.h"
#include "gui/widgets/block_text_view.h"

#include <memory>

namespace trelkin {

// The blocks of a set search's result as the memo shows them: its code page 932 lines, converted for display.
class SetResultSource : public ui::BlockSource {
public:
    explicit SetResultSource(std::shared_ptr<const SetSearchResult> result) : m_result(std::move(result)) {}

    const SetSearchResult& result() const { return *m_result; }
    QStringList lines(std::uint64_t block) const override;
    void read(std::uint64_t first, std::uint64_t last, const Visit& visit) const override;

private:
    std::shared_ptr<const SetSearchResult> m_result;
};

} // namespace trelkin
