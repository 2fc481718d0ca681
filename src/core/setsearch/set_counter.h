#pragma once

#include "core/setsearch/count_arithmetic.h"
#include "core/setsearch/search_space.h"
#include "core/setsearch/set_search_control.h"

#include <array>
#include <cstdint>
#include <memory>

namespace trelkin {

// Thrown out of a count when the search was told to stop meanwhile.
struct SearchStopped {};

// Counts the qualifying completions of partial sets. A count depends only on a partial set's sums, never on which
// pieces made them, so the counter remembers counts per level in memos of bounded size. One counter serves one
// thread at a time.
class SetCounter {
public:
    // With a control, every step of the loops is a check point and the loops report their positions to it.
    explicit SetCounter(const SearchSpace& space, SetSearchControl* control = nullptr);
    ~SetCounter();

    const SearchPlan& plan() const { return m_space.plan(); }
    // The number of qualifying sets whose pieces of levels 0..level make `partial`.
    std::uint64_t completions(std::size_t level, const PartialSet& partial);

private:
    class Memo;

    std::uint64_t walk(std::size_t level, const PartialSet& partial);

    const SearchSpace& m_space;
    SetSearchControl* m_control;
    std::array<PartialSet, kArmourSlotCount> m_scratch;
    // Levels below the legs' parent; the legs' parent is counted straight from the leg index.
    std::array<std::unique_ptr<Memo>, kLastLevel - 1> m_memos;
};

} // namespace trelkin
