#pragma once

#include <string>
#include <unordered_set>
#include <vector>

namespace trelkin {

// Names in the order first met, each once: where a list or selector is asked whether it already holds a name,
// names that differ only in ASCII letter case count as one.
class UniqueNames {
public:
    // Adds the name unless one equal to it, ASCII case ignored, was added before.
    void add(const std::string& name);
    template <typename Entries> void addNamesOf(const Entries& entries) {
        for (const auto& entry : entries)
            add(entry.Name);
    }

    std::vector<std::string> take() && { return std::move(m_names); }

private:
    std::unordered_set<std::string> m_seen;
    std::vector<std::string> m_names;
};

} // namespace trelkin
