#include "core/text/count_text.h"

#include "core/text/cp932.h"

namespace trelkin {
namespace {

const std::string kCountSuffix = toCp932(QStringLiteral("件"));

} // namespace

std::string countText(std::size_t count) {
    return std::to_string(count) + kCountSuffix;
}

QString groupedCountText(std::uint64_t count) {
    constexpr int kGroupDigits = 3;
    QString digits = QString::number(count);
    for (qsizetype at = digits.size() - kGroupDigits; at > 0; at -= kGroupDigits)
        digits.insert(at, QLatin1Char(','));
    return digits + QStringLiteral("件");
}

} // namespace trelkin
