#include "gui/widgets/limited_copy.h"

#include <QApplication>
#include <QClipboard>
#include <new>

namespace trelkin::ui {

bool copyWithinLimit(std::uint64_t estimatedCharacters, const std::function<QString()>& makeText) {
    if (estimatedCharacters > kCopyLimitCharacters)
        return false;
    try {
        QApplication::clipboard()->setText(makeText());
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

} // namespace trelkin::ui
