#include "core/data/common_prepare.h"

#include "core/data/common.h"
#include "core/data/recipe_fields.h"
#include "core/text/cp932.h"
#include "core/text/error.h"
#include "core/text/integer_reader.h"
#include "core/text/text_lines.h"

namespace trelkin {

const std::string kPrepareKindWord = toCp932(QStringLiteral("調合"));

namespace {

constexpr std::int32_t kNotANumber = -1;

// Hands out a line's fields in order and fails like a list index out of range at the first missing one.
class FieldCursor {
public:
    explicit FieldCursor(std::vector<std::string> fields) : m_fields(std::move(fields)) {}

    std::string& next() {
        if (m_next >= m_fields.size())
            throw Error(QStringLiteral("リストのインデックスが範囲を超えています (%1)").arg(m_next));
        return m_fields[m_next++];
    }

    std::int32_t nextNumber() { return readIntegerOr(next(), kNotANumber); }

private:
    std::vector<std::string> m_fields;
    size_t m_next = 0;
};

void readRecipe(std::string_view line, TPrepareData& recipe) {
    FieldCursor fields(splitRecipeFields(line));
    recipe.No = fields.nextNumber();
    recipe.Item = std::move(fields.next());
    recipe.Material1 = std::move(fields.next());
    recipe.Material2 = std::move(fields.next());
    recipe.Rate = fields.nextNumber();
    recipe.Description = std::move(fields.next());
    recipe.Prepare = fields.next() == kPrepareKindWord;
    recipe.Quantity = std::move(fields.next());
}

} // namespace

void readPrepareText(std::string_view plainText, TPrepareDatas& table) {
    const std::vector<std::string_view> lines = splitLines(plainText);
    if (lines.size() > kMaxRecipeCount) {
        table.clear();
        throw Error(QStringLiteral("レシピの行が多すぎます (上限 %1 行)").arg(kMaxRecipeCount));
    }
    table.assign(lines.size(), TPrepareData{});
    for (size_t i = 0; i < lines.size(); ++i)
        readRecipe(lines[i], table[i]);
}

void LoadPrepareData(const QString& path, TPrepareDatas& table) {
    readPrepareText(ReadScrambledFile(path), table);
}

} // namespace trelkin
