#pragma once

#include <QString>
#include <QStringView>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace trelkin::xml {

// The lookups of the XML data files, over a compact tree that one streaming pass of QXmlStreamReader builds: the
// same nodes as the DOM of Qt's QDomDocument would hold (every element, text run, CDATA section, comment,
// processing instruction and entity reference as it comes; text of nothing but spacing dropped), without an
// object per node. A null element (a missing one, or a child node that is no element) reads as an empty element:
// no children, no attributes, empty text. Texts come back as code page 932 bytes.

// The data files nest five levels deep; a document nested deeper than this is refused as it is read.
inline constexpr int kMaxElementDepth = 256;

// No list of the data files comes near this many entries; a longer one is refused before its table is made.
inline constexpr std::size_t kMaxChildNodes = 200000;

class Document;
struct DocumentTree; // the nodes of a parsed document, known only to the parser and the lookups

// An element of a parsed document, valid while its document lives.
class Element {
public:
    Element() = default;
    bool isNull() const { return m_tree == nullptr; }

private:
    friend class Document;
    friend Element childElement(const Element& parent, QStringView name);
    friend std::vector<Element> childNodes(const Element& element);
    friend std::string textOf(const Element& element);
    friend std::string attributeOf(const Element& element, QStringView name);

    Element(const DocumentTree* tree, std::int32_t node) : m_tree(tree), m_node(node) {}

    const DocumentTree* m_tree = nullptr;
    std::int32_t m_node = -1;
};

// A parsed document; its root element is documentElement().
class Document {
public:
    Document();
    ~Document();
    Document(Document&&) noexcept;
    Document& operator=(Document&&) noexcept;

    Element documentElement() const;

private:
    friend Document parseDocument(std::string_view bytes, const QString& source);
    std::unique_ptr<DocumentTree> m_tree;
};

// Parses the bytes as they are, so the document's XML declaration decides the decoding (UTF-8 without one).
// External entities are never fetched. Throws Error with the parser's message, line and column, after the source's
// name when one is given ("guard.dat: ..."), or "XML 要素の入れ子が深すぎます (上限 <n> 段, <line> 行 <column> 列)".
Document parseDocument(std::string_view bytes, const QString& source = QString());

// The first child element of that name (matched exactly); a null element when there is none.
Element childElement(const Element& parent, QStringView name);

// Every child node in document order, each as an element: comments and other nodes count like elements and read
// as empty elements, so the list's size is the element's child node count. Throws Error
// "要素 <name> の子ノードが多すぎます (上限 <n> 個)" for more than kMaxChildNodes.
std::vector<Element> childNodes(const Element& element);

// The element's text: empty for an empty element, else its one text node (or CDATA section). Throws Error
// "要素は単純テキストノードを含んでいません" for anything else (child elements, a comment, several nodes).
std::string textOf(const Element& element);

// The attribute's value; empty text when it is missing.
std::string attributeOf(const Element& element, QStringView name);

// The integer value of a text read from a document. Throws Error "'<text>' は整数ではありません".
std::int32_t integerOf(std::string_view text);

// textOf the first child element of that name.
std::string childText(const Element& parent, QStringView name);

// integerOf the first child element's text.
std::int32_t childInteger(const Element& parent, QStringView name);

// integerOf the attribute's value.
std::int32_t attributeInteger(const Element& element, QStringView name);

// Lists whose every child node is one entry: the name as the child's text, the amount as one attribute
// (materials, skill points, additional effects). Replaces the entries; the first error stops with the list at
// full length and the entries from the failing one on partly read.
template <typename Entry>
void readEntries(const Element& list, QStringView amountAttribute, std::int32_t Entry::*amount,
                 std::vector<Entry>& entries) {
    const std::vector<Element> children = childNodes(list);
    entries.assign(children.size(), Entry{});
    for (size_t i = 0; i < children.size(); ++i) {
        entries[i].Name = textOf(children[i]);
        entries[i].*amount = attributeInteger(children[i], amountAttribute);
    }
}

} // namespace trelkin::xml
