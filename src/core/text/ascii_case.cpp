#include "core/text/ascii_case.h"

#include <algorithm>

namespace trelkin {
namespace {

unsigned char foldAscii(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'a' && byte <= 'z' ? byte - ('a' - 'A') : byte;
}

} // namespace

std::string asciiUpper(std::string_view text) {
    std::string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(), [](char c) { return char(foldAscii(c)); });
    return folded;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && compareIgnoringAsciiCase(a, b) == 0;
}

int compareIgnoringAsciiCase(std::string_view a, std::string_view b) {
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const unsigned char x = foldAscii(a[i]);
        const unsigned char y = foldAscii(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

} // namespace trelkin
