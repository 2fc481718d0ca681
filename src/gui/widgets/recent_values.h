#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace trelkin::ui {

// The values made last for a few positions (the lines of a block, the cells of a row), so that a view asks its
// source again only for what it has not shown lately. The oldest value makes room for a new one.
template <typename Value> class RecentValues {
public:
    explicit RecentValues(std::size_t capacity) : m_capacity(capacity) {}

    void clear() {
        m_values.clear();
        m_next = 0;
    }

    // The value at `position`, made by `make()` when it is not among the recent ones.
    template <typename Make> const Value& get(std::uint64_t position, Make make) {
        for (const auto& [known, value] : m_values)
            if (known == position)
                return value;
        if (m_values.size() < m_capacity) {
            m_values.emplace_back(position, make());
            return m_values.back().second;
        }
        auto& slot = m_values[m_next];
        m_next = (m_next + 1) % m_capacity;
        slot = {position, make()};
        return slot.second;
    }

private:
    std::size_t m_capacity;
    std::vector<std::pair<std::uint64_t, Value>> m_values;
    std::size_t m_next = 0;
};

} // namespace trelkin::ui
