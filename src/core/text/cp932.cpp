#include "core/text/cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <optional>

namespace trelkin {
namespace {

// Microsoft's mapping: "～" is U+FF5E and the NEC and IBM extensions ("①") are included.
constexpr const char* kCodecName = "windows-31j";

// Opening a converter costs far more than converting a name, so each thread keeps one of each. A converter keeps
// reporting an error once it had one, whatever resetState() does, so one that failed is replaced.
template <typename Converter> class SharedConverter {
public:
    Converter& get() {
        if (!m_converter || m_converter->hasError())
            m_converter.emplace(kCodecName, Converter::Flag::Stateless);
        m_converter->resetState();
        return *m_converter;
    }

private:
    std::optional<Converter> m_converter;
};

QStringEncoder& sharedEncoder() {
    thread_local SharedConverter<QStringEncoder> encoder;
    return encoder.get();
}

QStringDecoder& sharedDecoder() {
    thread_local SharedConverter<QStringDecoder> decoder;
    return decoder.get();
}

std::string encodeCharacterWise(QStringView text) {
    std::string bytes;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QStringEncoder& encoder = sharedEncoder();
        const QByteArray encoded = encoder.encode(text.mid(i, length));
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
        QStringDecoder& decoder = sharedDecoder();
        const QString decoded = decoder.decode(QByteArrayView(bytes.data() + i, qsizetype(length)));
        text += decoder.hasError() || decoded.isEmpty() ? QString(QChar::ReplacementCharacter) : decoded;
        i += length;
    }
    return text;
}

} // namespace

std::string toCp932(QStringView text) {
    QStringEncoder& encoder = sharedEncoder();
    // Straight into the result: no byte array in between.
    std::string bytes(std::size_t(encoder.requiredSpace(text.size())), '\0');
    const char* end = encoder.appendToBuffer(bytes.data(), text);
    if (encoder.hasError())
        return encodeCharacterWise(text);
    bytes.resize(std::size_t(end - bytes.data()));
    return bytes;
}

QString fromCp932(std::string_view bytes) {
    QStringDecoder& decoder = sharedDecoder();
    const QString decoded = decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (decoder.hasError())
        return decodeCharacterWise(bytes);
    return decoded;
}

} // namespace trelkin
