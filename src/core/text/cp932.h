#pragma once

#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

namespace trelkin {

// Tables keep names as Windows code page 932 (Shift-JIS) bytes; text becomes Unicode only where it is shown. In the
// core a std::string always holds such bytes, whether a table's name or a text a page shows; every other text
// (messages, paths, anything UTF-8) is a QString, so the two never meet in one type.

// A character that code page 932 cannot hold becomes "?".
std::string toCp932(QStringView text);

// An invalid byte sequence becomes U+FFFD.
QString fromCp932(std::string_view bytes);

// True for a byte that starts a double-byte character of code page 932.
constexpr bool isCp932LeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

} // namespace trelkin
