#pragma once

#include "core/data/armour_tables.h"
#include "core/data/common_guard.h"
#include "core/setsearch/set_search_query.h"

#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace trelkin {

// What a set search's result can be ordered by: the loops' own order, or a sum over the five pieces.
enum class SetOrderKey { Loop, Defence, Fire, Water, Thunder, Dragon, Price };

inline constexpr std::size_t kSetOrderKeyCount = 7;

// An order of the whole result: by its key, highest first (the price lowest first), sets of the same sum in loop
// order; reversed, the same sequence backwards.
struct SetOrder {
    SetOrderKey key = SetOrderKey::Loop;
    bool reversed = false;

    friend bool operator==(const SetOrder&, const SetOrder&) = default;
};

// The items of the order selector, key by key: "検索順", "防御力", "火耐性", "水耐性", "雷耐性", "龍耐性", "生産価格".
const QStringList& setOrderItems();

// The command line's names of the keys, key by key: loop, def, fire, water, thunder, dragon, price.
const std::array<std::string, kSetOrderKeyCount>& setOrderNames();
std::optional<SetOrderKey> setOrderKeyNamed(const std::string& name);

// Whether the key's sequence starts with its highest sum.
bool highestFirst(SetOrderKey key);

// What a piece adds to the key's sum (nothing for the loop order).
std::int32_t orderValue(const guard::TEquipmentData& piece, SetOrderKey key);
// What the five pieces of a set add up to under the key, wrapping around as the game's sums do.
std::int32_t setSum(const ArmourTables& tables, const FoundSet& set, SetOrderKey key);

} // namespace trelkin
