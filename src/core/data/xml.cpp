#include "core/data/xml.h"

#include "core/text/cp932.h"
#include "core/text/error.h"
#include "core/text/integer_reader.h"

#include <QXmlStreamReader>
#include <optional>

namespace trelkin::xml {

// Every node of a document in one array, linked by index; every name, value and text in one string.
struct DocumentTree {
    enum class Kind : std::uint8_t { Document, Element, Text, Other };

    struct Node {
        Kind kind;
        std::int32_t parent;
        std::int32_t firstChild = -1;
        std::int32_t lastChild = -1;
        std::int32_t next = -1;
        std::size_t childCount = 0;
        // An element's name, a text's value.
        qsizetype text = 0;
        qsizetype textLength = 0;
        std::size_t firstAttribute = 0;
        std::size_t attributeCount = 0;
    };

    struct Attribute {
        qsizetype name;
        qsizetype nameLength;
        qsizetype value;
        qsizetype valueLength;
    };

    QStringView view(qsizetype at, qsizetype length) const { return QStringView(characters).mid(at, length); }
    QStringView textOf(const Node& node) const { return view(node.text, node.textLength); }

    std::vector<Node> nodes{Node{Kind::Document, -1}};
    std::vector<Attribute> attributes;
    QString characters;
};

namespace {

using Tree = DocumentTree;

// Builds the tree from the reader's tokens exactly as Qt's DOM builds its nodes from the same tokens, with the
// messages it gives for the faults that it finds itself.
class TreeBuilder {
public:
    TreeBuilder(QXmlStreamReader& reader, Tree& tree, const QString& source)
        : m_reader(reader), m_tree(tree), m_source(source) {}

    // About one node per sixteen bytes in the data files, and about as many characters as bytes.
    void build(qsizetype bytes) {
        constexpr qsizetype kBytesPerNode = 16;
        m_tree.nodes.reserve(std::size_t(bytes / kBytesPerNode));
        m_tree.characters.reserve(bytes);
        readProlog();
        readBody();
    }

private:
    [[noreturn]] void fail(const QString& message) const {
        const QString prefix = m_source.isEmpty() ? QString() : m_source + QStringLiteral(": ");
        throw Error(QStringLiteral("%1%2 (%3 行 %4 列)")
                        .arg(prefix, shortenedForMessage(message))
                        .arg(m_reader.lineNumber())
                        .arg(m_reader.columnNumber()));
    }

    [[noreturn]] void failTooDeep() const {
        throw Error(QStringLiteral("XML 要素の入れ子が深すぎます (上限 %1 段, %2 行 %3 列)")
                        .arg(kMaxElementDepth)
                        .arg(m_reader.lineNumber())
                        .arg(m_reader.columnNumber()));
    }

    qsizetype keep(QStringView text) {
        const qsizetype at = m_tree.characters.size();
        m_tree.characters.append(text);
        return at;
    }

    std::int32_t append(Tree::Kind kind, QStringView text = {}) {
        const auto index = std::int32_t(m_tree.nodes.size());
        Tree::Node node{kind, m_current};
        node.text = keep(text);
        node.textLength = text.size();
        m_tree.nodes.push_back(node);
        Tree::Node& parent = m_tree.nodes[std::size_t(m_current)];
        if (parent.lastChild < 0)
            parent.firstChild = index;
        else
            m_tree.nodes[std::size_t(parent.lastChild)].next = index;
        parent.lastChild = index;
        ++parent.childCount;
        return index;
    }

    // Everything before the root element: the declaration, one document type, comments and processing
    // instructions, none of which the data files read.
    void readProlog() {
        bool foundDtd = false;
        while (!m_reader.atEnd()) {
            m_reader.readNext();
            if (m_reader.hasError())
                fail(m_reader.errorString());
            switch (m_reader.tokenType()) {
            case QXmlStreamReader::StartDocument:
            case QXmlStreamReader::Comment:
            case QXmlStreamReader::ProcessingInstruction:
                break;
            case QXmlStreamReader::DTD:
                if (foundDtd)
                    fail(QStringLiteral("Multiple DTD sections are not allowed"));
                foundDtd = true;
                break;
            default:
                return;
            }
        }
    }

    void startElement() {
        if (int(m_open.size()) == kMaxElementDepth)
            failTooDeep();
        const std::int32_t element = append(Tree::Kind::Element, m_reader.qualifiedName());
        m_open.push_back(element);
        Tree::Node& node = m_tree.nodes[std::size_t(element)];
        node.firstAttribute = m_tree.attributes.size();
        // Held const, so that walking it does not copy the reader's list.
        const QXmlStreamAttributes attributes = m_reader.attributes();
        for (const QXmlStreamAttribute& attribute : attributes) {
            const qsizetype name = keep(attribute.qualifiedName());
            const qsizetype value = keep(attribute.value());
            m_tree.attributes.push_back({name, attribute.qualifiedName().size(), value, attribute.value().size()});
        }
        node.attributeCount = m_tree.attributes.size() - node.firstAttribute;
        m_current = element;
    }

    void endElement() {
        if (m_open.empty() || m_reader.qualifiedName() != m_tree.textOf(m_tree.nodes[std::size_t(m_open.back())]))
            fail(QStringLiteral("Unexpected end element '%1'").arg(m_reader.name()));
        m_open.pop_back();
        m_current = m_tree.nodes[std::size_t(m_current)].parent;
    }

    // Text of nothing but spacing is dropped, unless it is a CDATA section.
    void characters() {
        const QStringView text = m_reader.text();
        if (!m_reader.isCDATA() && (m_reader.isWhitespace() || text.trimmed().isEmpty()))
            return;
        if (m_current == 0)
            fail(QStringLiteral("Error occurred while processing the element content"));
        append(Tree::Kind::Text, text);
    }

    void readBody() {
        while (!m_reader.atEnd() && !m_reader.hasError()) {
            switch (m_reader.tokenType()) {
            case QXmlStreamReader::StartElement:
                startElement();
                break;
            case QXmlStreamReader::EndElement:
                endElement();
                break;
            case QXmlStreamReader::Characters:
                characters();
                break;
            case QXmlStreamReader::Comment:
            case QXmlStreamReader::ProcessingInstruction:
            case QXmlStreamReader::EntityReference:
                append(Tree::Kind::Other);
                break;
            default:
                fail(QStringLiteral("Unexpected token"));
            }
            m_reader.readNext();
        }
        if (m_reader.hasError())
            fail(m_reader.errorString());
        if (!m_open.empty())
            fail(QStringLiteral("Tag mismatch"));
    }

    QXmlStreamReader& m_reader;
    Tree& m_tree;
    const QString& m_source;
    std::vector<std::int32_t> m_open; // the elements not closed yet, outermost first
    std::int32_t m_current = 0;
};

const Tree::Node& nodeOf(const Tree* tree, std::int32_t node) {
    return tree->nodes[std::size_t(node)];
}

} // namespace

Document::Document() = default;
Document::~Document() = default;
Document::Document(Document&&) noexcept = default;
Document& Document::operator=(Document&&) noexcept = default;

Element Document::documentElement() const {
    if (!m_tree)
        return {};
    for (std::int32_t child = m_tree->nodes[0].firstChild; child >= 0; child = nodeOf(m_tree.get(), child).next)
        if (nodeOf(m_tree.get(), child).kind == Tree::Kind::Element)
            return Element(m_tree.get(), child);
    return {};
}

Document parseDocument(std::string_view bytes, const QString& source) {
    Document document;
    document.m_tree = std::make_unique<Tree>();
    const QByteArray content = QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size()));
    QXmlStreamReader reader(content);
    reader.setNamespaceProcessing(false);
    TreeBuilder(reader, *document.m_tree, source).build(content.size());
    return document;
}

Element childElement(const Element& parent, QStringView name) {
    if (parent.isNull())
        return {};
    for (std::int32_t child = nodeOf(parent.m_tree, parent.m_node).firstChild; child >= 0;
         child = nodeOf(parent.m_tree, child).next) {
        const Tree::Node& node = nodeOf(parent.m_tree, child);
        if (node.kind == Tree::Kind::Element && parent.m_tree->textOf(node) == name)
            return Element(parent.m_tree, child);
    }
    return {};
}

std::vector<Element> childNodes(const Element& element) {
    if (element.isNull())
        return {};
    const Tree::Node& parent = nodeOf(element.m_tree, element.m_node);
    if (parent.childCount > kMaxChildNodes)
        throw Error(QStringLiteral("要素 %1 の子ノードが多すぎます (上限 %2 個)")
                        .arg(shortenedForMessage(element.m_tree->textOf(parent).toString()))
                        .arg(kMaxChildNodes));
    std::vector<Element> children;
    children.reserve(parent.childCount);
    for (std::int32_t child = parent.firstChild; child >= 0; child = nodeOf(element.m_tree, child).next)
        children.push_back(nodeOf(element.m_tree, child).kind == Tree::Kind::Element ? Element(element.m_tree, child)
                                                                                     : Element());
    return children;
}

std::string textOf(const Element& element) {
    if (element.isNull())
        return {};
    const std::int32_t first = nodeOf(element.m_tree, element.m_node).firstChild;
    if (first < 0)
        return {};
    const Tree::Node& text = nodeOf(element.m_tree, first);
    if (text.kind != Tree::Kind::Text || text.next >= 0)
        throw Error(QStringLiteral("要素は単純テキストノードを含んでいません"));
    return toCp932(element.m_tree->textOf(text));
}

std::string attributeOf(const Element& element, QStringView name) {
    if (element.isNull())
        return {};
    const Tree::Node& node = nodeOf(element.m_tree, element.m_node);
    for (std::size_t i = node.firstAttribute; i < node.firstAttribute + node.attributeCount; ++i) {
        const Tree::Attribute& attribute = element.m_tree->attributes[i];
        if (element.m_tree->view(attribute.name, attribute.nameLength) == name)
            return toCp932(element.m_tree->view(attribute.value, attribute.valueLength));
    }
    return {};
}

std::int32_t integerOf(std::string_view text) {
    const std::optional<std::int32_t> value = readInteger(text);
    if (!value)
        throw Error(QStringLiteral("'%1' は整数ではありません").arg(shortenedForMessage(fromCp932(text))));
    return *value;
}

std::string childText(const Element& parent, QStringView name) {
    return textOf(childElement(parent, name));
}

std::int32_t childInteger(const Element& parent, QStringView name) {
    return integerOf(childText(parent, name));
}

std::int32_t attributeInteger(const Element& element, QStringView name) {
    return integerOf(attributeOf(element, name));
}

} // namespace trelkin::xml
