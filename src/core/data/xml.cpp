#include "core/data/xml.h"

#include "core/text/cp932.h"
#include "core/text/error.h"
#include "core/text/integer_reader.h"

#include <QDomNode>
#include <QXmlStreamReader>
#include <optional>

namespace trelkin::xml {
namespace {

// A fast streaming pass that counts open elements. A document that is not well-formed is left to the DOM
// parser, whose message the user sees.
void refuseDeepNesting(const QByteArray& content) {
    QXmlStreamReader reader(content);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::EndElement)
            --depth;
        else if (token == QXmlStreamReader::StartElement && ++depth > kMaxElementDepth)
            throw Error(QStringLiteral("XML 要素の入れ子が深すぎます (上限 %1 段, %2 行 %3 列)")
                            .arg(kMaxElementDepth)
                            .arg(reader.lineNumber())
                            .arg(reader.columnNumber()));
    }
}

} // namespace

QDomDocument parseDocument(std::string_view bytes) {
    QDomDocument document;
    QString message;
    int line = 0;
    int column = 0;
    const QByteArray content(bytes.data(), qsizetype(bytes.size()));
    refuseDeepNesting(content);
    if (!document.setContent(content, false, &message, &line, &column))
        throw Error(QStringLiteral("%1 (%2 行 %3 列)").arg(message).arg(line).arg(column));
    return document;
}

QDomElement childElement(const QDomElement& parent, const QString& name) {
    return parent.firstChildElement(name);
}

std::vector<QDomElement> childNodes(const QDomElement& element) {
    std::vector<QDomElement> children;
    for (QDomNode node = element.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (children.size() == kMaxChildNodes)
            throw Error(QStringLiteral("要素 %1 の子ノードが多すぎます (上限 %2 個)")
                            .arg(element.tagName())
                            .arg(kMaxChildNodes));
        children.push_back(node.toElement());
    }
    return children;
}

std::string textOf(const QDomElement& element) {
    const QDomNode first = element.firstChild();
    if (first.isNull())
        return {};
    if (!first.isText() || !first.nextSibling().isNull())
        throw Error(QStringLiteral("要素は単純テキストノードを含んでいません"));
    return toCp932(first.nodeValue());
}

std::string attributeOf(const QDomElement& element, const QString& name) {
    return toCp932(element.attribute(name));
}

std::int32_t integerOf(std::string_view text) {
    const std::optional<std::int32_t> value = readInteger(text);
    if (!value)
        throw Error(QStringLiteral("'%1' は整数ではありません").arg(fromCp932(text)));
    return *value;
}

std::string childText(const QDomElement& parent, const QString& name) {
    return textOf(childElement(parent, name));
}

std::int32_t childInteger(const QDomElement& parent, const QString& name) {
    return integerOf(childText(parent, name));
}

std::int32_t attributeInteger(const QDomElement& element, const QString& name) {
    return integerOf(attributeOf(element, name));
}

} // namespace trelkin::xml
