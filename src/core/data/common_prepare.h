#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace trelkin {

// One recipe: which two materials make which item, and how. Texts are code page 932 bytes.
struct TPrepareData {
    std::int32_t No = 0; // -1 when the file's field is no number
    std::string Description;
    std::string Item;
    std::string Material1;
    std::string Material2;
    std::int32_t Rate = 0; // success rate in percent; -1 when the field is no number
    bool Prepare = false;  // made by 調合; anything else is shown as 錬金
    std::string Quantity;  // yield of one attempt, kept as written
};

// Recipes in the order of the file's lines; a recipe's index is its line number from 0.
using TPrepareDatas = std::vector<TPrepareData>;

// The field text that marks a recipe made by 調合, in code page 932.
extern const std::string kPrepareKindWord;

// The game has a few thousand recipes at most; a file with more lines is refused before its table is made.
inline constexpr std::size_t kMaxRecipeCount = 200000;

// Fills the table with one record per line of the data file. A line with fewer than eight fields throws
// Error "リストのインデックスが範囲を超えています (<index of the first missing field>)"; the table then
// keeps its full length, with the records from that line on incomplete. More than kMaxRecipeCount lines throw
// Error "レシピの行が多すぎます (上限 <n> 行)" and leave the table empty.
void LoadPrepareData(const QString& path, TPrepareDatas& table);

// The same over a plain text, for callers that already hold it.
void readPrepareText(std::string_view plainText, TPrepareDatas& table);

} // namespace trelkin
