#pragma once

#include <utility>
#include <vector>

namespace trelkin {

// Calls visit(id, depth) for every node below the top level, parents before their children, in tree order;
// children(id) gives a node's children. Iterative, so chains of any depth are safe.
template <typename Id, typename Children, typename Visit>
void visitDepthFirst(const std::vector<Id>& topLevel, Children children, Visit visit) {
    std::vector<std::pair<Id, int>> pending;
    for (auto top = topLevel.rbegin(); top != topLevel.rend(); ++top)
        pending.emplace_back(*top, 0);
    while (!pending.empty()) {
        const auto [id, depth] = pending.back();
        pending.pop_back();
        visit(id, depth);
        const std::vector<Id>& below = children(id);
        for (auto child = below.rbegin(); child != below.rend(); ++child)
            pending.emplace_back(*child, depth + 1);
    }
}

} // namespace trelkin
