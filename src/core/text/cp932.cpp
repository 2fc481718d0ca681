#include "core/text/cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace trelkin {
namespace {

// Microsoft's mapping: "～" is U+FF5E and the NEC and IBM extensions ("①") are included.
constexpr const char* kCodecName = "windows-31j";

std::string encodeCharacterWise(const QString& text) {
    std::string bytes;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QStringEncoder encoder(kCodecName, QStringEncoder::Flag::Stateless);
        const QByteArray encoded = encoder.encode(QStringView(text).mid(i, length));
        if (encoder.hasError())
            bytes += '?';
        else
            bytes.append(encoded.constData(), encoded.size());
        i += length;
    }
    return bytes;
}

QString decodeCharacterWise(std::string_view bytes) {
    QString text;
    for (size_t i = 0; i < bytes.size();) {
        const bool doubleByte = isCp932LeadByte(static_cast<unsigned char>(bytes[i])) && i + 1 < bytes.size();
        const size_t length = doubleByte ? 2 : 1;
        QStringDecoder decoder(kCodecName, QStringDecoder::Flag::Stateless);
        const QString decoded = decoder.decode(QByteArrayView(bytes.data() + i, qsizetype(length)));
        text += decoder.hasError() || decoded.isEmpty() ? QString(QChar::ReplacementCharacter) : decoded;
        i += length;
    }
    return text;
}

// Opening a converter costs far more than converting a name, so each thread keeps one of each.
QStringEncoder& sharedEncoder() {
    thread_local QStringEncoder encoder(kCodecName, QStringEncoder::Flag::Stateless);
    encoder.resetState();
    return encoder;
}

QStringDecoder& sharedDecoder() {
    thread_local QStringDecoder decoder(kCodecName, QStringDecoder::Flag::Stateless);
    decoder.resetState();
    return decoder;
}

} // namespace

std::string toCp932(const QString& text) {
    QStringEncoder& encoder = sharedEncoder();
    const QByteArray encoded = encoder.encode(text);
    if (encoder.hasError())
        return encodeCharacterWise(text);
    return encoded.toStdString();
}

QString fromCp932(std::string_view bytes) {
    QStringDecoder& decoder = sharedDecoder();
    const QString decoded = decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (decoder.hasError())
        return decodeCharacterWise(bytes);
    return decoded;
}

} // namespace trelkin
