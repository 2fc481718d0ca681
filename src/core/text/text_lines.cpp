#include "core/text/text_lines.h"

namespace trelkin {

std::string_view untilFirstZero(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

std::vector<std::string_view> splitLines(std::string_view text) {
    text = untilFirstZero(text);
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
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
