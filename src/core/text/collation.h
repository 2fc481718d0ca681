#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace trelkin {

// The one text order of the system, over code page 932 names: Japanese locale order, with letter case
// ignored for lists and selectors and significant for trees. Texts that the locale order finds equal
// fall back to byte order, so the order is total and stable.
enum class LetterCase { Ignored, Significant };

int collate(std::string_view a, std::string_view b, LetterCase letterCase);

// The positions of texts in collation order (a stable permutation of 0..n-1).
std::vector<std::size_t> collationOrder(const std::vector<std::string_view>& texts, LetterCase letterCase);

// Sorts names the way sorted lists and selectors show them.
void sortForList(std::vector<std::string>& names);

} // namespace trelkin
