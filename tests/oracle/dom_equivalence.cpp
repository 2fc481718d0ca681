#include "oracle/dom_equivalence.h"

#include "core/data/xml.h"
#include "core/text/cp932.h"
#include "core/text/error.h"

#include <QDomDocument>

namespace trelkin::oracle {
namespace {

// What a lookup answers: its value, or the message it fails with.
template <typename Lookup> std::string answer(Lookup lookup) {
    try {
        return "value " + lookup();
    } catch (const Error& error) {
        return "error " + error.message().toStdString();
    }
}

std::string domText(const QDomElement& element) {
    const QDomNode first = element.firstChild();
    if (first.isNull())
        return {};
    if (!first.isText() || !first.nextSibling().isNull())
        throw Error(QStringLiteral("要素は単純テキストノードを含んでいません"));
    return toCp932(first.nodeValue());
}

std::string compare(const xml::Element& mine, const QDomElement& dom, const std::string& path);

std::string compareChildren(const xml::Element& mine, const QDomElement& dom, const std::string& path) {
    const std::vector<xml::Element> children = xml::childNodes(mine);
    const QDomNodeList domChildren = dom.childNodes();
    if (qsizetype(children.size()) != domChildren.size())
        return path + ": " + std::to_string(children.size()) + " child nodes, the DOM " +
               std::to_string(domChildren.size());
    for (qsizetype i = 0; i < domChildren.size(); ++i) {
        const QDomElement domChild = domChildren.at(int(i)).toElement();
        const xml::Element& child = children[std::size_t(i)];
        const std::string childPath = path + "/" + std::to_string(i);
        if (child.isNull() != domChild.isNull())
            return childPath + ": element or not";
        if (std::string difference = compare(child, domChild, childPath); !difference.empty())
            return difference;
        if (!domChild.isNull() && xml::childElement(mine, domChild.tagName()).isNull())
            return childPath + ": not found by its name " + domChild.tagName().toStdString();
    }
    return {};
}

std::string compare(const xml::Element& mine, const QDomElement& dom, const std::string& path) {
    if (dom.isNull())
        return {};
    const std::string text = answer([&] { return xml::textOf(mine); });
    if (text != answer([&] { return domText(dom); }))
        return path + ": text " + text;
    const QDomNamedNodeMap attributes = dom.attributes();
    for (int i = 0; i < attributes.count(); ++i) {
        const QDomAttr attribute = attributes.item(i).toAttr();
        if (xml::attributeOf(mine, attribute.name()) != toCp932(attribute.value()))
            return path + ": attribute " + attribute.name().toStdString();
    }
    return compareChildren(mine, dom, path);
}

} // namespace

std::string domDifference(std::string_view bytes) {
    QDomDocument dom;
    QString message;
    int line = 0;
    int column = 0;
    const bool parsed =
        dom.setContent(QByteArray(bytes.data(), qsizetype(bytes.size())), false, &message, &line, &column);
    const std::string expectedError =
        parsed
            ? std::string()
            : QStringLiteral("%1 (%2 行 %3 列)").arg(shortenedForMessage(message)).arg(line).arg(column).toStdString();
    std::string error;
    xml::Document document;
    try {
        document = xml::parseDocument(bytes);
    } catch (const Error& failure) {
        error = failure.message().toStdString();
    }
    if (error.starts_with("XML 要素の入れ子が深すぎます"))
        return {}; // refused on purpose where the DOM would go on
    if (error != expectedError)
        return "parse: " + error + " | the DOM: " + expectedError;
    return parsed ? compare(document.documentElement(), dom.documentElement(), "") : std::string();
}

} // namespace trelkin::oracle
