#include "core/text/integer_reader.h"

#include <charconv>
#include <limits>

namespace trelkin {
namespace {

constexpr int kDecimalBase = 10;
constexpr int kHexadecimalBase = 16;

int digitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return std::numeric_limits<int>::max();
}

// Strips the prefix that introduces hexadecimal digits and returns the base of what remains.
int takeBasePrefix(std::string_view& text) {
    if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) {
        text.remove_prefix(1);
        return kHexadecimalBase;
    }
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
        return kHexadecimalBase;
    }
    return kDecimalBase;
}

} // namespace

std::optional<std::int32_t> readInteger(std::string_view text) {
    while (text.starts_with(' '))
        text.remove_prefix(1);
    bool negative = false;
    if (text.starts_with('+') || text.starts_with('-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const int base = takeBasePrefix(text);
    if (text.empty())
        return std::nullopt;

    // The magnitude is gathered in 64 bits and checked after each digit, so no digit string can overflow it.
    const std::int64_t limit = negative ? -std::int64_t(std::numeric_limits<std::int32_t>::min())
                                        : std::int64_t(std::numeric_limits<std::int32_t>::max());
    std::int64_t magnitude = 0;
    for (const char c : text) {
        const int digit = digitValue(c);
        if (digit >= base)
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::optional<std::uint64_t> readCount(std::string_view text) {
    std::uint64_t count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return count;
}

std::int32_t readIntegerOr(std::string_view text, std::int32_t fallback) {
    return readInteger(text).value_or(fallback);
}

std::int32_t readIntegerField(std::string_view text) {
    return readIntegerOr(text, kFieldMinimum);
}

} // namespace trelkin
