#pragma once

#include "core/combination/prepare_tree.h"

#include <memory>
#include <vector>

namespace trelkin {

// The tree of the "調合/錬金アイテム" page: one top-level entry per recipe, sorted by text at every level.
std::unique_ptr<PrepareTree> BuildRecipeTree(const TPrepareDatas& recipes);

// The derivation tree of the detail box: one top-level entry per shown recipe, in the order given, unsorted.
std::unique_ptr<PrepareTree> buildDerivationTree(const TPrepareDatas& recipes, const std::vector<int>& shown);

} // namespace trelkin
