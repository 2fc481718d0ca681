#include "data/xml.h"

#include "data/cp932.h"
#include "data/error.h"
#include "data/integer_reader.h"

#include <QDomNode>
#include <optional>

namespace trelkin::xml {

QDomDocument parseDocument(std::string_view bytes) {
    QDomDocument document;
    QString message;
    int line = 0;
    int column = 0;
    const QByteArray content(bytes.data(), qsizetype(bytes.size()));
    if (!document.setContent(content, false, &message, &line, &column))
        throw Error(QStringLiteral("%1 (%2 行 %3 列)").arg(message).arg(line).arg(column));
    return document;
}

QDomElement childElement(const QDomElement& parent, const QString& name) {
    return parent.firstChildElement(name);
}

std::vector<QDomElement> childNodes(const QDomElement& element) {
    std::vector<QDomElement> children;
    for (QDomNode node = element.firstChild(); !node.isNull(); node = node.nextSibling())
        children.push_back(node.toElement());
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
