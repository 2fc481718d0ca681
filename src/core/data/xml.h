#pragma once

#include <QDomDocument>
#include <QDomElement>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace trelkin::xml {

// The lookups of the XML data files. A null element (a missing one, or a child node that is no element) reads
// as an empty element: no children, no attributes, empty text. Texts come back as code page 932 bytes.

// The data files nest five levels deep. The DOM parser's time grows with the square of the nesting (a hundred
// thousand levels take minutes), so a document nested deeper than this is refused before it is parsed.
inline constexpr int kMaxElementDepth = 256;

// No list of the data files comes near this many entries; a longer one is refused before its table is made.
inline constexpr std::size_t kMaxChildNodes = 200000;

// Parses the bytes as they are, so the document's XML declaration decides the decoding (UTF-8 without one).
// External entities are never fetched: a DOCTYPE's system identifier is ignored and a reference to an external
// entity reads as nothing. Throws Error with the parser's message, line and column, or
// "XML 要素の入れ子が深すぎます (上限 <n> 段, <line> 行 <column> 列)".
QDomDocument parseDocument(std::string_view bytes);

// The first child element of that name (matched exactly); a null element when there is none.
QDomElement childElement(const QDomElement& parent, const QString& name);

// Every child node in document order, each as an element: comments and other nodes count like elements and read
// as empty elements, so the list's size is the element's child node count. Throws Error
// "要素 <name> の子ノードが多すぎます (上限 <n> 個)" for more than kMaxChildNodes.
std::vector<QDomElement> childNodes(const QDomElement& element);

// The element's text: empty for an empty element, else its one text node. Throws Error
// "要素は単純テキストノードを含んでいません" for anything else (child elements, a comment, several nodes).
std::string textOf(const QDomElement& element);

// The attribute's value; empty text when it is missing.
std::string attributeOf(const QDomElement& element, const QString& name);

// The integer value of a text read from a document. Throws Error "'<text>' は整数ではありません".
std::int32_t integerOf(std::string_view text);

// textOf the first child element of that name.
std::string childText(const QDomElement& parent, const QString& name);

// integerOf the first child element's text.
std::int32_t childInteger(const QDomElement& parent, const QString& name);

// integerOf the attribute's value.
std::int32_t attributeInteger(const QDomElement& element, const QString& name);

// Lists whose every child node is one entry: the name as the child's text, the amount as one attribute
// (materials, skill points, additional effects). Replaces the entries; the first error stops with the list at
// full length and the entries from the failing one on partly read.
template <typename Entry>
void readEntries(const QDomElement& list, const QString& amountAttribute, std::int32_t Entry::*amount,
                 std::vector<Entry>& entries) {
    const std::vector<QDomElement> children = childNodes(list);
    entries.assign(children.size(), Entry{});
    for (size_t i = 0; i < children.size(); ++i) {
        entries[i].Name = textOf(children[i]);
        entries[i].*amount = attributeInteger(children[i], amountAttribute);
    }
}

} // namespace trelkin::xml
