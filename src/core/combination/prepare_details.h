#pragma once

#include "core/data/common_prepare.h"

#include <optional>
#include <string>
#include <vector>

namespace trelkin {

// What the recipe detail box is asked to show: one kind of key, or none to empty the box.
struct PrepareDetailsKey {
    std::string item;      // every recipe making this item
    std::int32_t number{}; // every recipe with this number; 0 is no key
    std::string material1; // with material2: every recipe made of the pair, in either order
    std::string material2;

    static PrepareDetailsKey none() { return {}; }
    static PrepareDetailsKey byItem(std::string item) { return {std::move(item), 0, {}, {}}; }
    static PrepareDetailsKey byNumber(std::int32_t number) { return {{}, number, {}, {}}; }
    static PrepareDetailsKey byPair(std::string a, std::string b) { return {{}, 0, std::move(a), std::move(b)}; }
};

// Everything the detail box shows. Texts are code page 932; the labels show the last matching recipe while the
// derivation tree holds one top-level entry per match.
struct PrepareDetails {
    std::optional<std::int32_t> number; // the number field's new value; empty leaves the field as it is
    std::string kindLabel;              // Label26
    std::string item;                   // Label8
    std::string rate;                   // Label9
    std::string quantity;               // Label4
    std::string description;            // Memo1
    std::string materials;              // Label3
    std::vector<int> recipes;           // top-level entries of the derivation tree, in table order
};

// The number field holds 0 to 200 only; a recipe number outside shows as the nearer bound.
inline constexpr std::int32_t kLowestRecipeNumber = 0;
inline constexpr std::int32_t kHighestRecipeNumber = 200;

// The detail box for a key. Until the user has edited the number field (numberEdited), emptying the box also
// sets the field to 0; afterwards the field keeps what the user typed unless a recipe is shown.
PrepareDetails ShowPrepareDetails(const TPrepareDatas& recipes, const PrepareDetailsKey& key, bool numberEdited);

} // namespace trelkin
