#pragma once

#include "core/combination/prepare_tree.h"

#include <QString>
#include <cstddef>
#include <string>
#include <vector>

namespace trelkin {

// A derivation tree is opened "fully" only as far as a person can read it and a tree view can lay it out: a chain
// of derivations may run a hundred thousand levels deep, and names used again and again make a tree grow
// exponentially with the table. Nodes beyond these limits stay closed, and the page says so.
struct OpeningLimits {
    std::size_t rows = 100000; // rows shown, top level included
    int depth = 500;           // levels below the top level
};

struct RecipeTreeOpening {
    std::vector<PrepareTree::NodeId> opened; // parents before their children
    bool complete = true;                    // false when a node with children was left closed
};

// Said beside a tree that could not be opened completely, and why (UTF-8, as every message shown is text and not
// a table's code page 932 bytes).
inline constexpr const char* kTreeOpenedInPart = "一部を閉じて表示しています";
QString openedInPartReason(OpeningLimits limits = {});

// Opens the tree level by level, so that every branch is open to the same depth before any goes deeper.
RecipeTreeOpening openRecipeTree(const PrepareTree& tree, OpeningLimits limits = {});

struct ShownRow {
    PrepareTree::NodeId id;
    int depth;
};

// The rows a view shows after the opening, in tree order.
std::vector<ShownRow> shownRows(const PrepareTree& tree, const RecipeTreeOpening& opening);

} // namespace trelkin
