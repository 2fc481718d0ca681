#include "core/data/common.h"

#include "core/text/error.h"
#include "core/text/text_lines.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace trelkin {
namespace {

constexpr unsigned char kHighestBlank = 32;
constexpr std::string_view kLineBreak = "\r\n";
constexpr int kBytesPerMiB = 1 << 20;

char* unscrambleInto(char* out, std::string_view scrambled) {
    return std::transform(scrambled.begin(), scrambled.end(), out,
                          [](char c) { return char(static_cast<unsigned char>(c) ^ ScrambleKey); });
}

bool isStorable(unsigned char plain) {
    const unsigned char stored = plain ^ ScrambleKey;
    return stored != 0 && stored != '\r' && stored != '\n';
}

Error cannotOpen(const QString& path) {
    return Error(QStringLiteral("ファイル %1 は開けません").arg(path));
}

Error tooLarge(const QString& path) {
    return Error(
        QStringLiteral("ファイル %1 は大きすぎます (上限 %2 MiB)").arg(path).arg(kMaxDataFileSize / kBytesPerMiB));
}

} // namespace

QByteArray readFileBytes(const QString& path) {
    // Only a regular file is a data file: opening a named pipe would wait for a writer, and a device or socket
    // never ends. The size is known before anything is read.
    const QFileInfo info(path);
    if (!info.isFile())
        throw cannotOpen(path);
    if (info.size() > kMaxDataFileSize)
        throw tooLarge(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw cannotOpen(path);
    // One byte past the limit, in case the file grew since its size was read.
    QByteArray bytes = file.read(kMaxDataFileSize + 1);
    if (bytes.size() > kMaxDataFileSize)
        throw tooLarge(path);
    if (file.error() != QFileDevice::NoError)
        throw cannotOpen(path);
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
    // The lines joined with CR LF and unscrambled in one pass; the joined text holds no zero byte, so unscrambling
    // it whole stops nowhere early.
    // Each line gains at most one byte (a lone CR or LF becomes CR LF).
    const std::vector<std::string_view> lines = splitLines(bytes);
    std::string plain(bytes.size() + lines.size() + kLineBreak.size(), '\0');
    char* out = plain.data();
    for (const std::string_view line : lines) {
        out = unscrambleInto(out, line);
        out = unscrambleInto(out, kLineBreak);
    }
    plain.resize(trimTrailingBlanks(std::string_view(plain.data(), std::size_t(out - plain.data()))).size());
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
