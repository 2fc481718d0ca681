#pragma once

#include "core/data/armour_tables.h"
#include "core/setsearch/set_search_control.h"
#include "core/setsearch/set_search_query.h"

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

namespace trelkin {

// What a query would find without one of its wishes: the wish left out and the number of sets found without it.
struct WithoutWish {
    std::string wish;
    std::uint64_t sets = 0;

    friend bool operator==(const WithoutWish&, const WithoutWish&) = default;
};

// For a query that finds nothing: each of its wishes left out in turn (a wish asked twice, once), in the order of
// the wishes, so that the player sees which wish stands in the way. Throws SearchStopped when the control stops it,
// TooManySets, and std::bad_alloc.
std::vector<WithoutWish> countWithoutEachWish(const ArmourTables& tables, const SetSearchQuery& query,
                                              SetSearchControl& control);

// What is said where nothing was found: "見つかりませんでした。「A」を外すと 1,234件、「B」を外すと 0件"; empty
// where no wish was left out.
QString withoutWishesText(const std::vector<WithoutWish>& counts);

} // namespace trelkin
