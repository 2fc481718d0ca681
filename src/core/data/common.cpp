#include "core/data/common.h"

#include "core/text/error.h"
#include "core/text/text_lines.h"

#include <QFile>

namespace trelkin {
namespace {

constexpr unsigned char kHighestBlank = 32;
constexpr std::string_view kLineBreak = "\r\n";
constexpr int kBytesPerMiB = 1 << 20;

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
    // Read one byte past the limit instead of trusting the size, which a pipe or device does not report.
    QByteArray bytes = file.read(kMaxDataFileSize + 1);
    if (bytes.size() > kMaxDataFileSize)
        throw Error(
            QStringLiteral("ファイル %1 は大きすぎます (上限 %2 MiB)").arg(path).arg(kMaxDataFileSize / kBytesPerMiB));
    if (file.error() != QFileDevice::NoError)
        throw Error(QStringLiteral("ファイル %1 は開けません").arg(path));
    return bytes;
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

std::string unscrambleFileBytes(std::string_view bytes) {
    std::string plain = UnscrambleText(joinLines(bytes));
    plain.resize(trimTrailingBlanks(plain).size());
    return plain;
}

std::string ReadScrambledFile(const QString& path) {
    const QByteArray bytes = readFileBytes(path);
    return unscrambleFileBytes(std::string_view(bytes.constData(), size_t(bytes.size())));
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
