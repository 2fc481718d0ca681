#pragma once

#include <QString>
#include <stdexcept>

namespace trelkin {

// The one error type for the system's own failures, carrying the message as the user sees it; what() gives it as
// UTF-8, cut at a zero character, which message() keeps.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message);

    QString message() const { return m_message; }

private:
    QString m_message;
};

// A text quoted in an error message (a number that is none, a name), cut to a readable length: at most
// kQuotedLength characters, the last of them "…" where the text was longer.
inline constexpr qsizetype kQuotedLength = 64;
QString shortenedForMessage(const QString& text);

// The text an error box shows: a full stop is appended when the message's last character sorts after ".",
// so a message ending in Japanese text or a digit gets one and a message ending in ")" does not.
QString withFullStop(const QString& message);

} // namespace trelkin
