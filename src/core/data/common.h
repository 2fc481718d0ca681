#pragma once

#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>

namespace trelkin {

// Every byte of a data file is its plain byte XOR this key. CR and LF XOR the key are control characters, so
// the line break that reading appends unscrambles to bytes that the trailing-blank trim removes; TAB, CR and
// LF of a plain text scramble to bytes that are neither zero nor a line break, so they survive a round trip.
inline constexpr unsigned char ScrambleKey = 0x1B;

// Each byte XOR ScrambleKey, up to the first zero byte. Its own inverse.
std::string UnscrambleText(std::string_view text);

// The plain text of a data file: the scrambled lines joined with CR LF, unscrambled, and stripped of all
// trailing bytes of value 32 or less. Throws Error "ファイル <path> は開けません" when the file cannot be read and
// "ファイル <path> は大きすぎます (上限 <n> MiB)" when it is larger than kMaxDataFileSize.
std::string ReadScrambledFile(const QString& path);

// The plain text of a data file's bytes, as ReadScrambledFile gives it.
std::string unscrambleFileBytes(std::string_view bytes);

// No data file of the game comes near this size, and a chain of a hundred thousand weapons still fits. A larger
// file is refused before it is read: the DOM of an XML file takes up to seventy times its size in memory.
inline constexpr qint64 kMaxDataFileSize = qint64(16) << 20;

// All bytes of a file. Throws Error "ファイル <path> は開けません" when the file cannot be read and
// "ファイル <path> は大きすぎます (上限 <n> MiB)" when it holds more than kMaxDataFileSize bytes.
QByteArray readFileBytes(const QString& path);

// The data file bytes for a plain text. Throws Error when the text holds a byte that cannot be stored:
// the key itself (stored as zero, it would end the text) or a byte that scrambles to CR or LF.
std::string scrambleText(std::string_view plain);

// Removes every trailing byte of value 32 or less.
std::string_view trimTrailingBlanks(std::string_view text);

} // namespace trelkin
