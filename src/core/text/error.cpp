#include "core/text/error.h"

namespace trelkin {

Error::Error(const QString& message) : std::runtime_error(message.toStdString()) {}

QString withFullStop(const QString& message) {
    const QChar fullStop(u'.');
    if (!message.isEmpty() && message.back() > fullStop)
        return message + fullStop;
    return message;
}

} // namespace trelkin
