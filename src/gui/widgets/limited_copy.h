#pragma once

#include <QString>
#include <cstdint>
#include <functional>

namespace trelkin::ui {

// About 32 MB of text: far more than a clipboard is for, far less than a machine holds. A copy of more is refused
// and the view offers saving instead.
inline constexpr std::uint64_t kCopyLimitCharacters = std::uint64_t(16) << 20;

// Puts the text that `makeText` makes on the clipboard, unless its estimated size passes the copy limit or the
// text does not fit in memory; false where nothing was copied.
bool copyWithinLimit(std::uint64_t estimatedCharacters, const std::function<QString()>& makeText);

} // namespace trelkin::ui
