#include "data/common.h"

#include "data/error.h"
#include "data/text_lines.h"

#include <QFile>

namespace trelkin {
namespace {

constexpr unsigned char kHighestBlank = 32;
constexpr std::string_view kLineBreak = "\r\n";

std::string joinLines(std::string_view text) {
    std::string joined;
    joined.reserve(text.size() + kLineBreak.size());
    for (const std::string_view line : splitLines(text)) {
        joined += line;
        joined += kLineBreak;
    }
    return joined;
}

bool isStorable(unsigned char plain) {
    const unsigned char stored = plain ^ ScrambleKey;
    return stored != 0 && stored != '\r' && stored != '\n';
}

} // namespace

QByteArray readFileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("ファイル %1 は開けません").arg(path));
    return file.readAll();
}

std::string UnscrambleText(std::string_view text) {
    std::string plain(untilFirstZero(text));
    for (char& c : plain)
        c = char(static_cast<unsigned char>(c) ^ ScrambleKey);
    return plain;
}

std::string_view trimTrailingBlanks(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= kHighestBlank)
        text.remove_suffix(1);
    return text;
}

std::string ReadScrambledFile(const QString& path) {
    const QByteArray bytes = readFileBytes(path);
    const std::string plain = UnscrambleText(joinLines(std::string_view(bytes.constData(), bytes.size())));
    return std::string(trimTrailingBlanks(plain));
}

std::string scrambleText(std::string_view plain) {
    for (size_t i = 0; i < plain.size(); ++i) {
        const auto byte = static_cast<unsigned char>(plain[i]);
        if (!isStorable(byte))
            throw Error(QStringLiteral("バイト 0x%1 (位置 %2) はデータファイルに格納できません")
                            .arg(byte, 2, 16, QChar(u'0'))
                            .arg(i));
    }
    return UnscrambleText(plain);
}

} // namespace trelkin
