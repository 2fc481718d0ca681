#include "core/data/common_prepare.h"
#include "core/data/recipe_fields.h"
#include "core/text/error.h"

#include <cstdint>
#include <string_view>

// The plain text of a recipe file: every line through the field splitter and the record reader.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    trelkin::splitRecipeFields(text);
    trelkin::TPrepareDatas recipes;
    try {
        trelkin::readPrepareText(text, recipes);
    } catch (const trelkin::Error&) {
        // A line with too few fields is the file's fault and reported to the user; only crashes matter here.
    }
    return 0;
}
