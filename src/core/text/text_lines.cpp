#include "core/text/text_lines.h"

#include <algorithm>

namespace trelkin {

std::string_view untilFirstZero(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

std::vector<std::string_view> splitLines(std::string_view text) {
    text = untilFirstZero(text);
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        // One pass over the bytes: find_first_of would search its set once per byte.
        const auto found = std::find_if(text.begin() + std::ptrdiff_t(start), text.end(),
                                        [](char c) { return c == '\r' || c == '\n'; });
        const size_t end = found == text.end() ? std::string_view::npos : size_t(found - text.begin());
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        start = end + (crlf ? 2 : 1);
    }
    return lines;
}

} // namespace trelkin
