#include "core/text/count_text.h"

#include "core/text/cp932.h"

namespace trelkin {
namespace {

const std::string kCountSuffix = toCp932(QStringLiteral("件"));

} // namespace

std::string countText(std::size_t count) {
    return std::to_string(count) + kCountSuffix;
}

} // namespace trelkin
