#include "core/text/error.h"

namespace trelkin {

Error::Error(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}

QString shortenedForMessage(const QString& text) {
    if (text.size() <= kQuotedLength)
        return text;
    qsizetype kept = kQuotedLength - 1;
    if (text.at(kept - 1).isHighSurrogate())
        --kept;
    return text.left(kept) + QChar(u'…');
}

QString withFullStop(const QString& message) {
    const QChar fullStop(u'.');
    if (!message.isEmpty() && message.back() > fullStop)
        return message + fullStop;
    return message;
}

} // namespace trelkin
