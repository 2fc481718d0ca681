#include "core/data/recipe_fields.h"

#include "core/text/cp932.h"

namespace trelkin {
namespace {

constexpr char kQuote = '"';
constexpr char kComma = ',';
constexpr unsigned char kHighestBlank = 32;

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= kHighestBlank;
}

// Walks one line character by character; a double-byte character never counts as a comma, quote or blank.
class FieldScanner {
public:
    explicit FieldScanner(std::string_view line) : m_line(line) {}

    std::vector<std::string> fields() {
        skipBlanks();
        while (!atEnd()) {
            m_fields.push_back(peek() == kQuote ? quotedField() : plainField());
            skipBlanks();
            if (!atEnd() && peek() == kComma)
                skipComma();
        }
        return std::move(m_fields);
    }

private:
    bool atEnd() const { return m_pos >= m_line.size(); }
    char peek() const { return m_line[m_pos]; }

    size_t characterLength() const {
        const bool doubleByte = isCp932LeadByte(static_cast<unsigned char>(peek())) && m_pos + 1 < m_line.size();
        return doubleByte ? 2 : 1;
    }

    void skipBlanks() {
        while (!atEnd() && isBlank(peek()))
            ++m_pos;
    }

    void skipComma() {
        if (m_pos + 1 == m_line.size())
            m_fields.emplace_back();
        ++m_pos;
        skipBlanks();
    }

    std::string plainField() {
        const size_t start = m_pos;
        while (!atEnd() && peek() != kComma && !isBlank(peek()))
            m_pos += characterLength();
        return std::string(m_line.substr(start, m_pos - start));
    }

    std::string quotedField() {
        std::string text;
        ++m_pos;
        while (!atEnd()) {
            if (peek() == kQuote) {
                ++m_pos;
                if (atEnd() || peek() != kQuote)
                    break;
            }
            const size_t length = characterLength();
            text.append(m_line.substr(m_pos, length));
            m_pos += length;
        }
        return text;
    }

    std::string_view m_line;
    size_t m_pos = 0;
    std::vector<std::string> m_fields;
};

} // namespace

std::vector<std::string> splitRecipeFields(std::string_view line) {
    return FieldScanner(line).fields();
}

} // namespace trelkin
